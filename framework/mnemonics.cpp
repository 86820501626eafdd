#include "framework/mnemonics.h"

#include <vector>

namespace pemlar::fw {

char32_t mnemonicOf(std::u32string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&') {
            continue;
        }
        if (text[i + 1] != U'&') {
            return text[i + 1];
        }
        ++i;  // "&&" is a plain ampersand
    }
    return 0;
}

std::optional<MnemonicHit> findMnemonic(std::span<const char32_t> mnemonics,
                                        std::optional<std::size_t> focused, char32_t typed) {
    if (typed == 0) {
        return std::nullopt;
    }
    std::vector<std::size_t> matches;
    std::size_t after = 0;  // the first match at or after the focused control
    bool passedFocus = false;
    for (std::size_t i = 0; i < mnemonics.size(); ++i) {
        if (focused == i) {
            passedFocus = true;
            after = matches.size();
        }
        if (mnemonics[i] == typed) {
            matches.push_back(i);
        }
    }
    if (matches.empty()) {
        return std::nullopt;
    }
    if (matches.size() == 1) {
        return MnemonicHit{matches.front(), true};
    }
    if (!passedFocus || after >= matches.size()) {
        after = 0;
    }
    // The focused control is itself a match: move on to the one after it.
    if (matches[after] == focused) {
        after = (after + 1) % matches.size();
    }
    return MnemonicHit{matches[after], false};
}

}  // namespace pemlar::fw
