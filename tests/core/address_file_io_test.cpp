#include <filesystem>
#include <fstream>
#include <string>

#include "tests/core/address_file_io_fixture.h"

namespace {

using namespace pemlar;
namespace fs = std::filesystem;

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
