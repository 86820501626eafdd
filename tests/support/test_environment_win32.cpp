#include <windows.h>

#include <cstdlib>
#include <fstream>

#include "tests/support/test_environment.h"

namespace pemlar {

void setEnvironment(const char* name, const std::string& value, bool overwrite) {
    if (!overwrite && std::getenv(name) != nullptr) {
        return;
    }
    // Through the C run-time, so that getenv sees it too.
    _putenv((std::string(name) + "=" + value).c_str());
}

namespace stored_settings {

namespace {

constexpr wchar_t kKey[] = L"Software\\Nirvel\\Pemlar";

void writeNumber(HKEY key, const wchar_t* name, int number) {
    const auto value = static_cast<DWORD>(number);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace

void clear() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

void write(int selectedCom, int selectedLabel) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    writeNumber(key, L"Selcted_Com", selectedCom);
    writeNumber(key, L"Selcted_Lab", selectedLabel);
    RegCloseKey(key);
}

std::optional<int> value(const char* name) {
    DWORD type = 0;
    DWORD number = 0;
    DWORD size = sizeof number;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Nirvel\\Pemlar", name, RRF_RT_ANY, &type,
                     &number, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof number) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

std::string dump() {
    std::string text;
    for (const char* name : {"Selcted_Com", "Selcted_Lab"}) {
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
    explicit PlainFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~PlainFile() override {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    PlainFile(const PlainFile&) = delete;
    PlainFile& operator=(const PlainFile&) = delete;

private:
    std::filesystem::path path_;
};

}  // namespace

std::unique_ptr<PortDevice> makePortDevice(const std::filesystem::path& entry) {
    if (!std::ofstream(entry, std::ios::binary).is_open()) {
        return nullptr;
    }
    return std::make_unique<PlainFile>(entry);
}

}  // namespace pemlar
