// The edit's limit and rules, checked the same way by every back end. The text is
// UTF-32 with CR LF, so the limit counts a line break as two just by its length.

#include <algorithm>

#include "framework/controls.h"

namespace pemlar::fw {

namespace {

bool isLineBreakChar(char32_t c) {
    return c == U'\r' || c == U'\n';
}

// Never cut between the CR and the LF of one line break.
std::size_t keepPairs(std::u32string_view text, std::size_t end) {
    if (end > 0 && end < text.size() && text[end - 1] == U'\r' && text[end] == U'\n') {
        return end - 1;
    }
    return end;
}

}  // namespace

std::u32string Edit::holdable(std::u32string_view text) const {
    std::u32string kept;
    kept.reserve(text.size());
    for (char32_t c : text) {
        if (isLineBreakChar(c) || !charRule_ || charRule_(c)) {
            kept.push_back(c);
        }
    }
    return kept;
}

std::u32string Edit::fitting(std::u32string_view current, std::size_t selectionStart,
                             std::size_t selectionLength, std::u32string_view inserted) const {
    selectionStart = std::min(selectionStart, current.size());
    selectionLength = std::min(selectionLength, current.size() - selectionStart);
    std::size_t end = inserted.size();
    if (limit_ > 0) {
        const std::size_t kept = current.size() - selectionLength;
        const std::size_t limit = static_cast<std::size_t>(limit_);
        const std::size_t room = kept < limit ? limit - kept : 0;
        end = keepPairs(inserted, std::min(end, room));
    }
    if (textRule_) {
        const std::u32string_view before = current.substr(0, selectionStart);
        const std::u32string_view after = current.substr(selectionStart + selectionLength);
        std::u32string candidate;
        while (end > 0) {
            candidate.assign(before);
            candidate.append(inserted.substr(0, end));
            candidate.append(after);
            if (textRule_(candidate)) {
                break;
            }
            end = keepPairs(inserted, end - 1);
        }
    }
    return std::u32string(inserted.substr(0, end));
}

}  // namespace pemlar::fw
