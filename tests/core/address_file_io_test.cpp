#include "core/address_file_io.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace {

using namespace pemlar;
namespace fs = std::filesystem;

class AddressFileIoTest : public ::testing::Test {
protected:
    fs::path path(const char* name) const { return dir_.path() / name; }
    void write(const char* name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const char* name) const {
        std::ifstream file(path(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    static AddressFileBytes lines(const char* first) { return addressFileFromText(first); }
    static std::string bytesOf(const AddressFileBytes& b) { return {b.begin(), b.end()}; }
    TempFolder dir_;
};

TEST_F(AddressFileIoTest, LoadTakesTheFirst125BytesOfALongFile) {
    write("long", std::string(24, 'A') + '\0' + std::string(400, 'B'));
    const auto loaded = loadAddressFile(path("long"));
    ASSERT_TRUE(loaded);
    std::string expected = std::string(24, 'A') + '\0';
    for (int slot = 1; slot < kLineCount; ++slot) {
        expected += std::string(24, 'B') + '\0';
    }
    EXPECT_EQ(bytesOf(*loaded), expected);
}

TEST_F(AddressFileIoTest, LoadRefusesWhatIsNotAReadableFile) {
    ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
    fs::create_directory(path("folder"));
    for (const char* name : {"missing", "folder", "fifo"}) {
        EXPECT_FALSE(loadAddressFile(path(name))) << name;  // a pipe must not block either
    }
}

// A file that is not a regular one, made for real: "" when made, else why not. The
// device node has the numbers of /dev/null, so even a wrong open would do no harm.
std::string makeSpecial(const std::string& kind, const fs::path& at) {
    int made = -1;
    if (kind == "Fifo") {
        made = mkfifo(at.c_str(), 0600);
    } else if (kind == "DeviceNode") {
        made = mknod(at.c_str(), S_IFCHR | 0600, makedev(1, 3));  // needs root
    } else {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, at.c_str(), sizeof address.sun_path - 1);
        made = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        close(fd);
    }
    return made == 0 ? "" : kind + ": " + std::strerror(errno);
}

class SaveOverSpecialFile : public AddressFileIoTest,
                            public ::testing::WithParamInterface<std::string> {};

TEST_P(SaveOverSpecialFile, IsRefusedAndLeavesItAlone) {
    const fs::path special = path("special");
    if (const std::string error = makeSpecial(GetParam(), special); !error.empty()) {
        GTEST_SKIP() << error;
    }
    fs::create_symlink(special, path("link"));
    struct stat before {};
    ASSERT_EQ(lstat(special.c_str(), &before), 0);
    for (const char* name : {"special", "link"}) {
        EXPECT_EQ(saveAddressFile(path(name), lines("neu")).failure, FileFailure::NotRegularFile);
        struct stat after {};
        ASSERT_EQ(lstat(special.c_str(), &after), 0);
        EXPECT_TRUE(after.st_mode == before.st_mode && after.st_ino == before.st_ino) << name;
    }
    EXPECT_TRUE(fs::is_symlink(path("link")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SaveOverSpecialFile,
                         ::testing::Values("Fifo", "Socket", "DeviceNode"),
                         [](const auto& info) { return info.param; });

TEST_F(AddressFileIoTest, SaveKeepsTheFilesPermissions) {
    write("alt.PML", "alt");
    fs::permissions(path("alt.PML"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(saveAddressFile(path("alt.PML"), lines("neu")).ok());
    EXPECT_EQ(read("alt.PML"), bytesOf(lines("neu")));
    EXPECT_EQ(fs::status(path("alt.PML")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AddressFileIoTest, SaveThroughALinkReplacesItsTargetNotTheLink) {
    write("ziel.PML", "alt");
    fs::create_symlink("ziel.PML", path("verweis.PML"));
    ASSERT_TRUE(saveAddressFile(path("verweis.PML"), lines("neu")).ok());
    EXPECT_TRUE(fs::is_symlink(path("verweis.PML")));
    EXPECT_EQ(read("ziel.PML"), bytesOf(lines("neu")));
}

TEST_F(AddressFileIoTest, ALeftoverOfAKilledSaveIsGoneAfterTheNextSave) {
    write("adresse.PML", "alt");
    const fs::path leftover = temporaryFileFor(path("adresse.PML"));
    ASSERT_EQ(leftover.parent_path(), dir_.path());
    std::ofstream(leftover, std::ios::binary) << "halb";
    ASSERT_TRUE(saveAddressFile(path("adresse.PML"), lines("neu")).ok());
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_EQ(read("adresse.PML"), bytesOf(lines("neu")));
}

}  // namespace
