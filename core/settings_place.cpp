#include "core/settings_place.h"

#include <system_error>

#include "base/user_folders.h"
#include "core/file_prefix.h"

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

std::filesystem::path settingsFile() {
    const std::filesystem::path config = userConfigHome();
    return config.empty() ? config : config / "Nirvel" / "Pemlar.conf";
}

std::string settingsFileText(std::int32_t port, std::int32_t label) {
    return std::string("[General]\n") + kPortSettingName + "=" + std::to_string(port) + "\n" +
           kLabelSettingName + "=" + std::to_string(label) + "\n";
}

std::optional<std::string_view> settingText(std::string_view fileText, std::string_view name) {
    // Keys without a group are kept under [General].
    bool inGeneral = false;
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        const std::string_view line = trimmed(fileText.substr(0, end));
        fileText = end == std::string_view::npos ? std::string_view{} : fileText.substr(end + 1);
        if (line.starts_with('[')) {
            inGeneral = line == "[General]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGeneral || equals == std::string_view::npos ||
            trimmed(line.substr(0, equals)) != name) {
            continue;
        }
        std::string_view value = trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        return value;
    }
    return std::nullopt;
}

SettingsFileRead readSettingsFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (file.empty() || status.type() == std::filesystem::file_type::not_found) {
        return {};
    }
    // One byte more, to tell a file beyond the bound.
    std::optional<std::string> text = readFilePrefix(file, kSettingsFileMaxBytes + 1);
    if (!text) {
        return {std::nullopt,
                std::filesystem::is_regular_file(status) ? "nicht lesbar" : "keine normale Datei"};
    }
    if (text->size() > kSettingsFileMaxBytes) {
        return {std::nullopt, "größer als 64 KiB"};
    }
    return {std::move(text), {}};
}

}  // namespace pemlar
