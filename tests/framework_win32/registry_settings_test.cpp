// The settings store in Wine's throw-away registry, under a key of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/win32/registry_settings.h"

using namespace pemlar;

namespace {

using pemlar::fw::SettingsProblem;
using pemlar::fw::SettingsValue;
using pemlar::fw::win32::RegistrySettings;

class RegistrySettingsTest : public testing::Test {
protected:
    const std::wstring path_ =
        L"Software\\Nirvel\\PemlarTest" + std::to_wstring(GetCurrentProcessId());
    RegistrySettings store_{HKEY_CURRENT_USER, path_};
    std::array<SettingsValue, 2> values_ = {{{"Selcted_Com", 7}, {"Selcted_Lab", 9}}};

    ~RegistrySettingsTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

    void setRaw(DWORD type, const void* data, DWORD size) {
        RegSetKeyValueW(HKEY_CURRENT_USER, path_.c_str(), L"Selcted_Com", type, data, size);
    }
    DWORD rawCom(DWORD& type) {
        DWORD value = 1;
        DWORD size = sizeof value;
        RegGetValueW(HKEY_CURRENT_USER, path_.c_str(), L"Selcted_Com", RRF_RT_ANY, &type, &value,
                     &size);
        return value;
    }
};

TEST_F(RegistrySettingsTest, MissingValuesBecomeZeroThenSavedValuesComeBack) {
    EXPECT_EQ(store_.loadOrCreate(values_), SettingsProblem::None);
    EXPECT_EQ(values_[0].value, 0);
    EXPECT_EQ(values_[1].value, 0);
    EXPECT_EQ(store_.save("Selcted_Com", 123), SettingsProblem::None);
    EXPECT_EQ(store_.save("Selcted_Lab", -1), SettingsProblem::None);
    EXPECT_EQ(store_.loadOrCreate(values_), SettingsProblem::None);
    EXPECT_EQ(values_[0].value, 123);
    EXPECT_EQ(values_[1].value, -1);
    DWORD type = 0;
    EXPECT_EQ(rawCom(type), 123u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(RegistrySettingsTest, WrongTypedValueCountsAsMissingAndIsRewritten) {
    const wchar_t text[] = L"5";
    const ULONGLONG wide = 5;
    const WORD narrow = 5;
    const std::array<std::tuple<DWORD, const void*, DWORD>, 3> rows = {
        {{REG_SZ, text, sizeof text}, {REG_QWORD, &wide, 8}, {REG_BINARY, &narrow, 2}}};
    for (const auto& [type, data, size] : rows) {
        setRaw(type, data, size);
        EXPECT_EQ(store_.loadOrCreate(values_), SettingsProblem::None);
        EXPECT_EQ(values_[0].value, 0) << type;
        DWORD rewritten = 0;
        EXPECT_EQ(rawCom(rewritten), 0u);
        EXPECT_EQ(rewritten, static_cast<DWORD>(REG_DWORD));
    }
}

// The registry refuses a persistent key below a volatile one, Wine as Windows. The
// volatile key goes below the test's persistent one: RegCreateKeyExW would make every
// missing key on its path volatile, Software\Nirvel too, and refuse the other tests.
TEST_F(RegistrySettingsTest, KeyThatCannotBeCreatedIsNoAccessAndKeepsTheValues) {
    std::array<SettingsValue, 0> none;
    ASSERT_EQ(store_.loadOrCreate(none), SettingsProblem::None);
    HKEY parent = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (path_ + L"\\Volatile").c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    RegistrySettings refused(parent, L"Pemlar");
    EXPECT_EQ(refused.loadOrCreate(values_), SettingsProblem::NoAccess);
    EXPECT_EQ(values_[0].value, 7);
    EXPECT_EQ(refused.save("Selcted_Com", 3), SettingsProblem::NoAccess);
    RegCloseKey(parent);
}

}  // namespace
