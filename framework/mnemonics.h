#pragma once
// Mnemonics as the Win32 dialog manager finds them. A control's mnemonic is the
// character after the first single "&" of its text ("&&" is a plain ampersand). A plain
// letter or digit typed while a push button has the focus acts as Alt with it would:
// the one control marked with that character is pressed; when several are, the focus
// moves to the next of them after the focused control, wrapping, and none is pressed.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace pemlar::fw {

// The character after the first single "&", as written; 0 when there is none.
char32_t mnemonicOf(std::u32string_view text);

struct MnemonicHit {
    std::size_t control;  // index into the controls given
    bool press;           // the only match: focus and press it; otherwise focus only
};

// What typing `typed` does. `mnemonics` holds every control's mnemonic in template order,
// compared as given (the caller folds case), 0 for a control that has none or can't
// take the focus; `focused` is the index of the focused control, if it is among them.
// Nothing when no control has that mnemonic.
std::optional<MnemonicHit> findMnemonic(std::span<const char32_t> mnemonics,
                                        std::optional<std::size_t> focused, char32_t typed);

}  // namespace pemlar::fw
