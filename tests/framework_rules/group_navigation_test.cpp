#include "framework/group_navigation.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pemlar::fw;

namespace {

constexpr GroupMember kStart{true, true};
constexpr GroupMember kMember{false, true};
constexpr GroupMember kUnfocusable{false, false};

// Two groups: 0-3 (2 can't take the focus) and 4-6; 7 is a group of its own.
const std::vector<GroupMember> kControls = {
    {false, true}, kMember, kUnfocusable, kMember, kStart, kMember, kMember, kStart,
};

TEST(GroupNavigation, ArrowsMoveWithinTheGroupAndWrap) {
    const struct {
        std::size_t from;
        bool forward;
        std::optional<std::size_t> to;
    } rows[] = {
        {0, true, 1},   // the first control starts a group without the style
        {1, true, 3},   // past one that can't take the focus
        {3, true, 0},   // wraps to the group's first
        {0, false, 3},  // and back
        {4, true, 5},
        {6, true, 4},
        {4, false, 6},
        {3, false, 1},            // not into the group before
        {7, true, std::nullopt},  // alone in its group
        {7, false, std::nullopt},
        {8, true, std::nullopt},  // not one of the controls
    };
    for (const auto& row : rows) {
        EXPECT_EQ(nextInGroup(kControls, row.from, row.forward), row.to)
            << row.from << (row.forward ? " forward" : " back");
    }
}

TEST(GroupNavigation, NothingWhenNoOtherMemberCanTakeTheFocus) {
    const std::vector<GroupMember> controls = {kStart, kUnfocusable, kUnfocusable, kStart};
    EXPECT_EQ(nextInGroup(controls, 0, true), std::nullopt);
    EXPECT_EQ(nextInGroup(controls, 0, false), std::nullopt);
    // A control that can't take the focus itself still finds the next that can.
    EXPECT_EQ(nextInGroup(controls, 1, true), 0U);
}

}  // namespace
