#pragma once
// The label list: one label per line of the label file, read once at start. Labels are
// plain ASCII, because every byte outside 32-127 ends a line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pemlar {

inline constexpr int kLabelFileMaxBytes = 1280;
inline constexpr int kLabelMaxChars = 19;
inline constexpr char kLabelFileName[] = "testlab.lst";
inline constexpr char kDefaultLabel[] = "NEU";

struct ParsedLabels {
    std::vector<std::string> labels;
    bool isDefault = false;  // the single "NEU" stands in for a missing or tiny file
    bool operator==(const ParsedLabels&) const = default;
};

// Splits the label file's bytes into labels, in file order.
// - Only the first 1280 bytes count, and a NUL byte ends the text early.
// - A text of 3 bytes or less gives the single default label "NEU" (isDefault set).
// - Otherwise a label ends at the first byte below 32 or above 127 (a line ending, a tab,
//   an umlaut, ...), which is dropped, and the run of CR and LF bytes after it is skipped.
//   So a line ending right at the start gives an empty label, blank lines give none, and
//   a last line without line ending is dropped.
// - A label longer than 19 characters is cut to its first 19.
ParsedLabels parseLabels(std::string_view text);

// The entry to select: 0 for the default label, the stored index when it names a label,
// otherwise -1 (nothing selected).
int labelSelection(const ParsedLabels& labels, std::int32_t storedIndex);

}  // namespace pemlar
