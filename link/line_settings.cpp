#include "link/line_settings.h"

#include <charconv>
#include <vector>

namespace pemlar {

namespace {

std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool parseNumber(std::string_view text, std::uint32_t& value) {
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && last == end && !text.empty();
}

}  // namespace

CommTimeouts instrumentTimeouts() {
    return {.readIntervalTimeout = 0xFFFFFFFF,
            .readTotalTimeoutMultiplier = 10,
            .readTotalTimeoutConstant = 1000,
            .writeTotalTimeoutMultiplier = 10,
            .writeTotalTimeoutConstant = 1000};
}

LineSettings instrumentLineSettings() {
    LineSettings settings;
    settings.baudRate = 9600;
    settings.byteSize = 8;
    settings.parity = Parity::None;
    settings.stopBits = StopBits::One;
    settings.binary = true;
    settings.parityCheck = false;
    settings.outxCtsFlow = true;
    settings.outxDsrFlow = false;
    settings.outX = false;
    settings.inX = false;
    settings.discardNull = false;
    return settings;
}

std::string instrumentDefinition(std::int32_t port) {
    return "COM" + std::to_string(port) + ":9600,n,8,1";
}

bool parseDefinition(std::string_view definition, LineSettings& settings) {
    const std::size_t colon = definition.find(':');
    if (colon != std::string_view::npos) {
        definition.remove_prefix(colon + 1);
    }
    const std::vector<std::string_view> fields = splitFields(definition);
    if (fields.size() != 4) {
        return false;
    }
    LineSettings parsed = settings;
    std::uint32_t baud = 0;
    if (!parseNumber(trimmed(fields[0]), baud) || baud == 0) {
        return false;
    }
    parsed.baudRate = baud;

    const std::string_view parity = trimmed(fields[1]);
    if (parity.size() != 1) {
        return false;
    }
    switch (parity[0]) {
        case 'n':
        case 'N':
            parsed.parity = Parity::None;
            break;
        case 'o':
        case 'O':
            parsed.parity = Parity::Odd;
            break;
        case 'e':
        case 'E':
            parsed.parity = Parity::Even;
            break;
        case 'm':
        case 'M':
            parsed.parity = Parity::Mark;
            break;
        case 's':
        case 'S':
            parsed.parity = Parity::Space;
            break;
        default:
            return false;
    }
    parsed.parityCheck = parsed.parity != Parity::None;

    std::uint32_t dataBits = 0;
    if (!parseNumber(trimmed(fields[2]), dataBits) || dataBits < 5 || dataBits > 8) {
        return false;
    }
    parsed.byteSize = static_cast<std::uint8_t>(dataBits);

    const std::string_view stop = trimmed(fields[3]);
    if (stop == "1") {
        parsed.stopBits = StopBits::One;
    } else if (stop == "1.5") {
        parsed.stopBits = StopBits::OneAndHalf;
    } else if (stop == "2") {
        parsed.stopBits = StopBits::Two;
    } else {
        return false;
    }

    parsed.binary = true;
    parsed.outX = false;
    parsed.inX = false;
    parsed.outxCtsFlow = false;
    parsed.outxDsrFlow = false;
    parsed.dtrControl = DtrControl::Enable;
    parsed.rtsControl = RtsControl::Enable;
    settings = parsed;
    return true;
}

}  // namespace pemlar
