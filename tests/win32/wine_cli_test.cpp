// pemlar-cli through the real Win32 calls under Wine, against pemlar-sim on a pty
// linked into the prefix as a COM port; and the stored port from the registry.

#include <windows.h>

#include <gtest/gtest.h>

#include "core/stored_port.h"
#include "tests/support/cli_capture.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

using pemlar::ExitStatus;

TEST(WineCli, ReadWriteAndVerifyOnACom) {
    TempFolder folder;
    const std::string com = "COM" + std::to_string(PEMLAR_WINE_COM_CLI);
    const CliCapture cli{systemPortResolver(), folder.path() / "backups", {1, {}}};
    const CliRun read = cli({"read", "-p", com});
    ASSERT_EQ(read.status, ExitStatus::Ok) << read.err;
    EXPECT_EQ(read.out.rfind("Stadtwerke Münster\n", 0), 0u) << read.out;

    const CliRun write = cli({"write", "-p", com, "--text", "Unter Wine\\nGrüße"});
    EXPECT_EQ(write.status, ExitStatus::Ok) << write.err;
    EXPECT_EQ(cli({"verify", "-p", com, "--text", "Unter Wine\nGrüße"}).status, ExitStatus::Ok);

    const CliRun missing = cli({"read", "-p", "COM" + std::to_string(PEMLAR_WINE_COM_UNMAPPED)});
    EXPECT_EQ(missing.status, ExitStatus::Port);
    EXPECT_NE(missing.err.find("COM" + std::to_string(PEMLAR_WINE_COM_UNMAPPED)), std::string::npos)
        << missing.err;
}

// The throw-away prefix's registry, never a user's.
TEST(WineCli, StoredPortFromTheRegistry) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Nirvel\\Pemlar", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD port = 18;
    RegSetValueExW(key, L"Selcted_Com", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&port),
                   sizeof port);
    EXPECT_EQ(pemlar::storedPort().port, 18);
    EXPECT_TRUE(pemlar::storedPort().note.empty());

    const wchar_t text[] = L"18";
    RegSetValueExW(key, L"Selcted_Com", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   sizeof text);
    EXPECT_EQ(pemlar::storedPort().port, std::nullopt) << "never a port nobody chose";
    EXPECT_NE(pemlar::storedPort().note.find("kein REG_DWORD"), std::string::npos);

    RegDeleteValueW(key, L"Selcted_Com");
    EXPECT_EQ(pemlar::storedPort().note, "keine Schnittstelle gespeichert");
    RegCloseKey(key);
}

}  // namespace
