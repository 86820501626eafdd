#include "core/stored_port.h"

#include <charconv>

namespace pemlar {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::int32_t> usablePort(long long value, std::string& why) {
    if (value == 0) {
        why = "keine Schnittstelle gespeichert";
        return std::nullopt;
    }
    if (value < 1 || value > 255) {
        why = "gespeicherte Schnittstelle " + std::to_string(value) + " ist ungültig";
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> portFromSettingsText(std::string_view text, std::string& why) {
    // Keys without a group are kept under [General] in the settings file.
    bool inGeneral = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.starts_with('[')) {
            inGeneral = line == "[General]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGeneral || equals == std::string_view::npos ||
            trimmed(line.substr(0, equals)) != "Selcted_Com") {
            continue;
        }
        std::string_view value = trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        long long number = 0;
        const auto [rest, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc{} || rest != value.data() + value.size()) {
            why = "gespeicherter Wert \"Selcted_Com\" ist keine Zahl";
            return std::nullopt;
        }
        return usablePort(number, why);
    }
    why = "keine Schnittstelle gespeichert";
    return std::nullopt;
}

}  // namespace pemlar
