#pragma once
// Arrow keys between a dialog's controls, as the Win32 dialog manager moves them: to the
// next or previous control of the focused control's group, wrapping inside the group,
// never into the next one. A group starts with a control of the Group style (or the
// first control) and runs up to the next such control. Controls that can't take the
// focus (hidden, disabled, unfocusable) are passed over.

#include <cstddef>
#include <optional>
#include <span>

namespace pemlar::fw {

struct GroupMember {
    bool startsGroup = false;
    bool canTakeFocus = false;
};

// The index an arrow key moves the focus to from control `from` (an index into
// `controls`, which are in template order); nothing when no other control of the group
// can take it or `from` is not one of them.
std::optional<std::size_t> nextInGroup(std::span<const GroupMember> controls, std::size_t from,
                                       bool forward);

}  // namespace pemlar::fw
