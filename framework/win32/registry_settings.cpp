#include "framework/win32/registry_settings.h"

#include <optional>
#include <utility>

#include "framework/win32/utf16.h"

namespace pemlar::fw::win32 {

namespace {

class OpenKey {
public:
    explicit OpenKey(HKEY key) : key_(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() { RegCloseKey(key_); }
    HKEY get() const { return key_; }

private:
    HKEY key_;
};

std::optional<OpenKey> openKey(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    const LSTATUS status = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::optional<OpenKey>(std::in_place, key);
}

std::wstring valueName(std::string_view name) {
    const std::u16string units = toUtf16(name);
    return std::wstring(units.begin(), units.end());
}

// Anything but a 4-byte REG_DWORD (a string, a REG_QWORD, a short binary value) counts
// as missing, so it is replaced by a proper value.
std::optional<std::int32_t> readNumber(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LSTATUS status =
        RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

bool writeNumber(HKEY key, const std::wstring& name, std::int32_t number) {
    const auto value = static_cast<DWORD>(number);
    return RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

}  // namespace

RegistrySettings::RegistrySettings(HKEY root, std::wstring keyPath)
    : root_(root), keyPath_(std::move(keyPath)) {}

SettingsProblem RegistrySettings::loadOrCreate(std::span<SettingsValue> values) {
    const auto key = openKey(root_, keyPath_);
    if (!key) {
        return SettingsProblem::NoAccess;
    }
    bool allWritten = true;
    for (SettingsValue& entry : values) {
        const std::wstring name = valueName(entry.name);
        if (const auto number = readNumber(key->get(), name)) {
            entry.value = *number;
        } else {
            entry.value = 0;
            allWritten = writeNumber(key->get(), name, 0) && allWritten;
        }
    }
    return allWritten ? SettingsProblem::None : SettingsProblem::NotWritten;
}

SettingsProblem RegistrySettings::save(std::string_view name, std::int32_t value) {
    const auto key = openKey(root_, keyPath_);
    if (!key) {
        return SettingsProblem::NoAccess;
    }
    return writeNumber(key->get(), valueName(name), value) ? SettingsProblem::None
                                                           : SettingsProblem::NotWritten;
}

std::unique_ptr<SettingsStore> makeRegistrySettings(std::string_view keyPath) {
    return std::make_unique<RegistrySettings>(HKEY_CURRENT_USER, valueName(keyPath));
}

}  // namespace pemlar::fw::win32
