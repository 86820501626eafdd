// The settings store in the registry of Wine's throw-away prefix, under a key of the
// test's own; the program's key is never touched.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/win32/registry_settings.h"

namespace {

using pemlar::fw::SettingsProblem;
using pemlar::fw::SettingsValue;
using pemlar::fw::win32::RegistrySettings;

class RegistrySettingsTest : public testing::Test {
protected:
    const std::wstring path_ =
        L"Software\\Nirvel\\PemlarTest-" + std::to_wstring(GetCurrentProcessId());
    RegistrySettings store_{HKEY_CURRENT_USER, path_};

    ~RegistrySettingsTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

    void setRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    DWORD rawType(const wchar_t* name, DWORD* value) {
        DWORD type = 0;
        DWORD size = sizeof *value;
        RegGetValueW(HKEY_CURRENT_USER, path_.c_str(), name, RRF_RT_ANY, &type, value, &size);
        return type;
    }
};

TEST_F(RegistrySettingsTest, FirstLoadCreatesZerosThenSavedValuesComeBack) {
    std::array<SettingsValue, 2> values = {{{"Selcted_Com", 7}, {"Selcted_Lab", 9}}};
    EXPECT_EQ(store_.loadOrCreate(values), SettingsProblem::None);
    EXPECT_EQ(values[0].value, 0);
    EXPECT_EQ(values[1].value, 0);

    EXPECT_EQ(store_.save("Selcted_Com", 123), SettingsProblem::None);
    EXPECT_EQ(store_.save("Selcted_Lab", -1), SettingsProblem::None);
    EXPECT_EQ(store_.loadOrCreate(values), SettingsProblem::None);
    EXPECT_EQ(values[0].value, 123);
    EXPECT_EQ(values[1].value, -1);
    DWORD raw = 0;
    EXPECT_EQ(rawType(L"Selcted_Com", &raw), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(raw, 123u);
}

TEST_F(RegistrySettingsTest, WrongTypedValuesCountAsMissingAndAreRewritten) {
    const wchar_t text[] = L"5";
    const ULONGLONG wide = 5;
    const WORD shortNumber = 5;
    struct Row {
        DWORD type;
        const void* data;
        DWORD size;
    };
    const std::array<Row, 3> rows = {{
        {REG_SZ, text, sizeof text},
        {REG_QWORD, &wide, sizeof wide},
        {REG_BINARY, &shortNumber, sizeof shortNumber},
    }};
    for (const Row& row : rows) {
        setRaw(L"Selcted_Com", row.type, row.data, row.size);
        std::array<SettingsValue, 1> values = {{{"Selcted_Com", 5}}};
        EXPECT_EQ(store_.loadOrCreate(values), SettingsProblem::None);
        EXPECT_EQ(values[0].value, 0) << row.type;
        DWORD raw = 1;
        EXPECT_EQ(rawType(L"Selcted_Com", &raw), static_cast<DWORD>(REG_DWORD)) << row.type;
        EXPECT_EQ(raw, 0u);
    }
}

// The store's key is persistent; the registry refuses one below a volatile key
// (ERROR_CHILD_MUST_BE_VOLATILE), which Wine and Windows alike enforce.
TEST_F(RegistrySettingsTest, KeyThatCannotBeCreatedIsNoAccessAndKeepsTheValues) {
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegistrySettings refused(volatileKey, L"Pemlar");
    std::array<SettingsValue, 1> values = {{{"Selcted_Com", 4}}};
    EXPECT_EQ(refused.loadOrCreate(values), SettingsProblem::NoAccess);
    EXPECT_EQ(values[0].value, 4);
    EXPECT_EQ(refused.save("Selcted_Com", 3), SettingsProblem::NoAccess);
    RegCloseKey(volatileKey);
}

}  // namespace
