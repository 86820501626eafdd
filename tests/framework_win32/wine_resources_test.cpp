// The executable's own resources: icon group 1400, the manifest and the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"

using namespace pemlar;

namespace {

TEST(ExecutableResources, IconGroup1400InBothSizes) {
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(kProgramIcon), MAKEINTRESOURCEW(14)),
              nullptr);
    for (const int size : {32, 16}) {
        HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                 IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        DestroyIcon(static_cast<HICON>(icon));
    }
}

// The system took the manifest: the process is per-monitor DPI aware (2). Looked up at
// run time: Windows 10 1607 and later.
TEST(ExecutableResources, ManifestMakesTheProcessPerMonitorAware) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto getContext = reinterpret_cast<void*(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    const auto getAwareness = reinterpret_cast<int(WINAPI*)(void*)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_TRUE(getContext != nullptr && getAwareness != nullptr);
    EXPECT_EQ(getAwareness(getContext()), 2);
}

TEST(ExecutableResources, VersionFromTheProject) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::vector<BYTE> block(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    wchar_t* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040704B0\\ProductVersion",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(PEMLAR_TEST_VERSION_MAJOR << 16 | PEMLAR_TEST_VERSION_MINOR));
    EXPECT_EQ(std::wstring(product), PEMLAR_TEST_VERSION_STRING);
}

}  // namespace
