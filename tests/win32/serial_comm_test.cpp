// The COM numbers of HKLM\HARDWARE\DEVICEMAP\SERIALCOMM against a fake of the registry:
// Wine with its mount manager off has no such key, and what drivers write there is laid
// out here, garbage included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/win32/fake_registry_api.h"

namespace pemlar {

namespace {

struct SerialCommCase {
    const char* name;
    std::vector<FakeRegistryValue> values;
    std::vector<std::int32_t> expected;
    bool keyThere = true;
    int failAt = -1;
};
using test::PrintTo;

FakeRegistryValue dword(const std::wstring& name) {
    return {name, REG_DWORD, {3, 0, 0, 0}};
}

class SerialCommCases : public ::testing::TestWithParam<SerialCommCase> {};

TEST_P(SerialCommCases, ListTheNumbers) {
    const SerialCommCase& c = GetParam();
    FakeRegistry fake;
    fake.keyThere = c.keyThere;
    fake.values = c.values;
    fake.failAt = c.failAt;
    EXPECT_EQ(serialCommPorts(fake.api()), c.expected);
    EXPECT_EQ(fake.opened, L"HARDWARE\\DEVICEMAP\\SERIALCOMM");
    EXPECT_EQ(fake.openKeys, 0) << "the key is closed";
}

INSTANTIATE_TEST_SUITE_P(
    Registry, SerialCommCases,
    ::testing::Values(
        SerialCommCase{
            "SortedAndEachOnce",
            {comValue(L"\\Device\\Serial1", L"COM12"), comValue(L"\\Device\\VCP0", L"COM3"),
             comValue(L"\\Device\\Serial0", L"COM1"),
             comValue(L"\\Device\\ProlificSerial0", L"COM3")},
            {1, 3, 12}},
        SerialCommCase{
            "FirstAndLastNumber", {comValue(L"a", L"COM254"), comValue(L"b", L"COM1")}, {1, 254}},
        SerialCommCase{"LowerCaseName", {comValue(L"a", L"com9")}, {9}},
        SerialCommCase{"GarbagePassedOver",
                       {dword(L"\\Device\\Serial0"),
                        {L"expand", REG_EXPAND_SZ, wideBytes(L"COM5")},
                        {L"multi", REG_MULTI_SZ, wideBytes(std::wstring(L"COM6\0", 5))},
                        comValue(L"zero", L"COM0"),
                        comValue(L"too high", L"COM255"),
                        comValue(L"leading zero", L"COM07"),
                        comValue(L"printer", L"LPT1"),
                        comValue(L"no number", L"COM"),
                        comValue(L"blank", L"COM 4"),
                        comValue(L"sign", L"COM+4"),
                        comValue(L"suffix", L"COM4x"),
                        comValue(L"over-long", L"COM1234567"),
                        {L"unterminated", REG_SZ, wideBytes(L"COM6", false)},
                        {L"odd size", REG_SZ, {'C', 0, 'O', 0, 'M', 0, '8', 0, 0}},
                        {L"inner NUL", REG_SZ, wideBytes(std::wstring(L"COM7\0X", 6))},
                        {L"empty", REG_SZ, {}},
                        comValue(L"\\Device\\Serial1", L"COM2")},
                       {2}},
        SerialCommCase{"OnlyGarbage", {comValue(L"a", L"LPT1"), dword(L"b")}, {}},
        SerialCommCase{"KeyMissing", {comValue(L"a", L"COM1")}, {}, false},
        SerialCommCase{
            "ReadBrokenOff", {comValue(L"a", L"COM1"), comValue(L"b", L"COM2")}, {}, true, 1}),
    test::caseName);

}  // namespace

}  // namespace pemlar
