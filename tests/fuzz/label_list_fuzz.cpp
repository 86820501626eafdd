// Any label file: never a crash, and every label is what the list may show.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/label_list.h"

namespace {

using namespace pemlar;

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedLabels parsed = parseLabels(text);

    std::string_view counted = text.substr(0, kLabelFileMaxBytes);
    counted = counted.substr(0, counted.find('\0'));
    check(parsed.isDefault == (counted.size() <= 3));
    if (parsed.isDefault) {
        check(parsed.labels.size() == 1 && parsed.labels[0] == kDefaultLabel);
    } else {
        check(parsed.labels.size() <= counted.size());
    }
    for (const auto& label : parsed.labels) {
        check(label.size() <= static_cast<std::size_t>(kLabelMaxChars));
        for (const char c : label) {
            check(static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) < 128);
        }
    }
    for (const std::int32_t stored : {-1, 0, 1, 255, 1280}) {
        const int selected = labelSelection(parsed, stored);
        check(selected >= -1 && selected < static_cast<int>(parsed.labels.size()));
    }
    return 0;
}
