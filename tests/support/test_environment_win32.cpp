#include <windows.h>

#include <cstdlib>
#include <fstream>

#include "core/settings_place.h"
#include "tests/support/test_environment.h"

namespace pemlar {

void setEnvironment(const char* name, const std::string& value, bool overwrite) {
    if (!overwrite && std::getenv(name) != nullptr) {
        return;
    }
    // Through the C run-time, so that getenv sees it too.
    _putenv((std::string(name) + "=" + value).c_str());
}

bool underWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

namespace stored_settings {

namespace {

void writeNumber(HKEY key, const char* name, int number) {
    const auto value = static_cast<DWORD>(number);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace

void clear() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKeyPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
}

void write(int selectedCom, int selectedLabel) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    writeNumber(key, kPortSettingName, selectedCom);
    writeNumber(key, kLabelSettingName, selectedLabel);
    RegCloseKey(key);
}

std::optional<int> value(const char* name) {
    DWORD type = 0;
    DWORD number = 0;
    DWORD size = sizeof number;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_ANY, &type, &number,
                     &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof number) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

std::string dump() {
    std::string text;
    for (const char* name : {kPortSettingName, kLabelSettingName}) {
        const auto number = value(name);
        text += std::string(name) + "=" + (number ? std::to_string(*number) : "<missing>") + "\n";
    }
    return text;
}

bool block() {
    // Wine gives the user every key of his own hive.
    return false;
}

}  // namespace stored_settings

namespace {

class PlainFile final : public PortDevice {
public:
    using PortDevice::PortDevice;
    ~PlainFile() override {
        std::error_code ignored;
        std::filesystem::remove(path(), ignored);
    }
};

}  // namespace

std::unique_ptr<PortDevice> makePortDevice(const std::filesystem::path& folder, int comNumber) {
    auto file = std::make_unique<PlainFile>(folder / ("port" + std::to_string(comNumber)));
    if (!std::ofstream(file->path(), std::ios::binary).is_open()) {
        return nullptr;
    }
    return file;
}

}  // namespace pemlar
