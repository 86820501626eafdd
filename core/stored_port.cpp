#include "core/stored_port.h"

#include <charconv>

#include "core/settings_place.h"
#include "link/port_resolver.h"

namespace pemlar {

std::optional<std::int32_t> usablePort(long long value, std::string& why) {
    if (value == 0) {
        why = "keine Schnittstelle gespeichert";
        return std::nullopt;
    }
    if (value < 1 || value > kLastComNumber) {
        why = "gespeicherte Schnittstelle " + std::to_string(value) + " ist ungültig";
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> portFromSettingsText(std::string_view text, std::string& why) {
    const std::optional<std::string_view> value = settingText(text, kPortSettingName);
    if (!value) {
        why = "keine Schnittstelle gespeichert";
        return std::nullopt;
    }
    long long number = 0;
    const auto [rest, error] =
        std::from_chars(value->data(), value->data() + value->size(), number);
    if (error != std::errc{} || rest != value->data() + value->size()) {
        why = std::string("gespeicherter Wert \"") + kPortSettingName + "\" ist keine Zahl";
        return std::nullopt;
    }
    return usablePort(number, why);
}

}  // namespace pemlar
