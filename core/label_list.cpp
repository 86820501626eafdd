#include "core/label_list.h"

namespace pemlar {

namespace {

// The label file's bytes are taken as signed chars: everything from 128 up counts as a
// control character and ends the label, just like a line ending.
bool isLabelByte(char byte) {
    return static_cast<signed char>(byte) >= 32;
}

bool isLineEnd(char byte) {
    return byte == '\r' || byte == '\n';
}

}  // namespace

ParsedLabels parseLabels(std::string_view text) {
    text = text.substr(0, kLabelFileMaxBytes);
    text = text.substr(0, text.find('\0'));
    if (text.size() <= 3) {
        return {{kDefaultLabel}, true};
    }
    ParsedLabels result;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t start = pos;
        while (pos < text.size() && isLabelByte(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            break;  // the text's end counts as its NUL: an unended line is not a label
        }
        const std::string_view line = text.substr(start, pos - start);
        ++pos;
        while (pos < text.size() && isLineEnd(text[pos])) {
            ++pos;
        }
        result.labels.emplace_back(line.substr(0, kLabelMaxChars));
    }
    return result;
}

int labelSelection(const ParsedLabels& labels, std::int32_t storedIndex) {
    if (labels.isDefault) {
        return 0;
    }
    if (storedIndex < 0 || static_cast<std::size_t>(storedIndex) >= labels.labels.size()) {
        return -1;
    }
    return storedIndex;
}

}  // namespace pemlar
