#include "core/backups.h"

#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace {

using namespace pemlar;
namespace fs = std::filesystem;

std::tm at(int hour, int minute, int second) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 7;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    return when;
}

EepromImage pageWithId(const std::string& id12) {
    EepromImage image{};
    std::copy(id12.begin(), id12.end(), image.begin() + kPageSize + 125);
    return image;
}

struct NameCase {
    std::string id;  // the 12-byte ID text of the page
    int attempt;
    const char* name;
};

class BackupName : public ::testing::TestWithParam<NameCase> {};

TEST_P(BackupName, TellsDateTimeAndId) {
    const EepromImage image = pageWithId(GetParam().id);
    EXPECT_EQ(backupFileName(at(9, 5, 7), page(image, kAddressPage), GetParam().attempt),
              GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackupName,
    ::testing::Values(NameCase{"  PM-0815-42", 1, "2026-12-07_09-05-07_PM-0815-42.page"},
                      NameCase{"  PM-0815-42", 3, "2026-12-07_09-05-07_PM-0815-42_3.page"},
                      NameCase{"            ", 1, "2026-12-07_09-05-07_ohne-ID.page"},
                      NameCase{"../..\\a b:\xFC*", 1, "2026-12-07_09-05-07_.._.._a_b.page"},
                      NameCase{std::string("AB\0CD/EFGHIJ", 12), 1,
                               "2026-12-07_09-05-07_AB.page"}));

class BackupStoreTest : public ::testing::Test {
protected:
    BackupStore store(std::size_t keep = kBackupsKept) {
        return {dir_.path() / "backups", [this] { return clock_; }, keep};
    }
    std::size_t count() const {
        return static_cast<std::size_t>(std::distance(
            fs::directory_iterator(dir_.path() / "backups"), fs::directory_iterator()));
    }
    TempFolder dir_;
    std::tm clock_ = at(10, 0, 0);
    EepromImage image_ = pageWithId("        ID-1");
};

TEST_F(BackupStoreTest, KeepsThePageAsItIsAndNeverOverwrites) {
    image_[kPageSize + 200] = 0xE1;
    const BackupOutcome first = keepBackup(store(), page(image_, kAddressPage));
    const BackupOutcome second = keepBackup(store(), page(image_, kAddressPage));
    ASSERT_TRUE(first.written() && second.written()) << first.error << second.error;
    EXPECT_NE(first.file, second.file);
    std::ifstream file(first.file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(bytes, std::string(image_.begin() + kPageSize, image_.begin() + 2 * kPageSize));
}

TEST_F(BackupStoreTest, KeepsOnlyTheNewestAndLeavesForeignFilesAlone) {
    fs::create_directories(dir_.path() / "backups");
    std::ofstream(dir_.path() / "backups" / "notiz.txt") << "mine";
    for (int second = 0; second < 5; ++second) {
        clock_ = at(10, 0, second);
        ASSERT_TRUE(keepBackup(store(3), page(image_, kAddressPage)).written());
    }
    EXPECT_EQ(count(), 4u);
    EXPECT_TRUE(fs::exists(dir_.path() / "backups" / "notiz.txt"));
    EXPECT_FALSE(fs::exists(dir_.path() / "backups" / "2026-12-07_10-00-01_ID-1.page"));
    EXPECT_TRUE(fs::exists(dir_.path() / "backups" / "2026-12-07_10-00-02_ID-1.page"));
}

TEST_F(BackupStoreTest, AFolderThatCantBeMadeIsReported) {
    std::ofstream(dir_.path() / "backups") << "a file in the way";
    const BackupOutcome outcome = keepBackup(store(), page(image_, kAddressPage));
    EXPECT_FALSE(outcome.written());
    EXPECT_FALSE(outcome.error.empty());
}

}  // namespace
