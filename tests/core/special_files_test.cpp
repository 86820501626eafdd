// What only POSIX has: pipes, sockets, device nodes, modes and symbolic links.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "tests/core/address_file_io_fixture.h"
#include "tests/support/case_name.h"

namespace {

using pemlar::test::PrintTo;

using namespace pemlar;
namespace fs = std::filesystem;

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

struct SpecialCase {
    const char* name;  // the kind, as makeSpecial knows it
};

class SaveOverSpecialFile : public AddressFileIoTest,
                            public ::testing::WithParamInterface<SpecialCase> {};

TEST_P(SaveOverSpecialFile, IsRefusedAndLeavesItAlone) {
    const fs::path special = path("special");
    if (const std::string error = makeSpecial(GetParam().name, special); !error.empty()) {
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
                         ::testing::Values(SpecialCase{"Fifo"}, SpecialCase{"Socket"},
                                           SpecialCase{"DeviceNode"}),
                         pemlar::test::caseName);

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

}  // namespace
