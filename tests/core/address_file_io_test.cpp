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

// Something that is not a regular file, made for real; "" when made, else why not.
struct SpecialTarget {
    const char* name;
    std::string (*make)(const fs::path& at);
};

std::string errnoText(const char* call) {
    return std::string(call) + ": " + std::strerror(errno);
}

const SpecialTarget kSpecialTargets[] = {
    {"Fifo",
     [](const fs::path& at) { return mkfifo(at.c_str(), 0600) == 0 ? "" : errnoText("mkfifo"); }},
    {"Socket",
     [](const fs::path& at) {
         const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         std::strncpy(address.sun_path, at.c_str(), sizeof address.sun_path - 1);
         const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
         std::string error = bound ? "" : errnoText("bind");
         close(fd);
         return error;
     }},
    // The numbers of /dev/null, so even a wrong open could do no harm. Needs root.
    {"DeviceNode",
     [](const fs::path& at) {
         return mknod(at.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0 ? "" : errnoText("mknod");
     }},
    {"Folder",
     [](const fs::path& at) { return mkdir(at.c_str(), 0700) == 0 ? "" : errnoText("mkdir"); }},
};

class SaveOverSpecialFile : public AddressFileIoTest,
                            public ::testing::WithParamInterface<SpecialTarget> {};

TEST_P(SaveOverSpecialFile, IsRefusedAndLeavesItAlone) {
    const fs::path special = path("special");
    if (const std::string error = GetParam().make(special); !error.empty()) {
        GTEST_SKIP() << error;
    }
    fs::create_symlink(special, path("link"));
    struct stat before {};
    ASSERT_EQ(lstat(special.c_str(), &before), 0);
    for (const char* name : {"special", "link"}) {
        const FileOutcome saved = saveAddressFile(path(name), lines("neu"));
        EXPECT_EQ(saved.failure, FileFailure::NotRegularFile) << name;
        struct stat after {};
        ASSERT_EQ(lstat(special.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
        EXPECT_EQ(after.st_ino, before.st_ino) << name;
        EXPECT_TRUE(fs::is_symlink(path("link")));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SaveOverSpecialFile, ::testing::ValuesIn(kSpecialTargets),
                         [](const auto& info) { return std::string(info.param.name); });

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
