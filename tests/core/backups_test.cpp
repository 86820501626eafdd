#include "core/backups.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/case_name.h"
#include "tests/support/temp_folder.h"

namespace {

using pemlar::test::PrintTo;

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
    const char* name;
    std::string id;  // the 12-byte ID text of the page
    int attempt;
    const char* fileName;
};

class BackupName : public ::testing::TestWithParam<NameCase> {};

TEST_P(BackupName, TellsDateTimeAndId) {
    const EepromImage image = pageWithId(GetParam().id);
    EXPECT_EQ(backupFileName(at(9, 5, 7), pageOf(image, kAddressPage), GetParam().attempt),
              GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackupName,
    ::testing::Values(NameCase{"Id", "  PM-0815-42", 1, "2026-12-07_09-05-07_PM-0815-42.page"},
                      NameCase{"NoId", "            ", 1, "2026-12-07_09-05-07_ohne-ID.page"},
                      NameCase{"UnsafeBytes", std::string("..\\a b\xFC\0XYZW", 12), 1,
                               "2026-12-07_09-05-07_.._a_b.page"}),
    pemlar::test::caseName);

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

// Backups in the same second get names of their own; beyond the limit the oldest go,
// files that are no backups stay.
TEST_F(BackupStoreTest, KeepThePageAsReceivedAndOnlyTheNewest) {
    fs::create_directories(dir_.path() / "backups");
    std::ofstream(dir_.path() / "backups" / "notiz.txt") << "mine";
    image_[kPageSize + 200] = 0xE1;
    BackupOutcome last;
    for (const int second : {0, 1, 2, 2}) {
        clock_ = at(10, 0, second);
        last = keepBackup(store(3), pageOf(image_, kAddressPage));
        ASSERT_TRUE(last.written()) << last.error;
    }
    EXPECT_EQ(last.file.filename(), "2026-12-07_10-00-02_ID-1_2.page");
    EXPECT_EQ(count(), 4u);
    EXPECT_TRUE(fs::exists(dir_.path() / "backups" / "notiz.txt"));
    EXPECT_FALSE(fs::exists(dir_.path() / "backups" / "2026-12-07_10-00-00_ID-1.page"));
    std::ifstream file(last.file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(bytes, std::string(image_.begin() + kPageSize, image_.begin() + 2 * kPageSize));
}

// With three kept, the new backup and the two written last stay, whatever their names say.
TEST(BackupCleanup, RemovesTheLongestWrittenAndNeverTheNewOne) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, int>> existing;  // name, written hours ago
        const char* removed;
    } cases[] = {
        {"names from a clock that was ahead",
         {{"2099-01-01_00-00-01_A.page", 3},
          {"2099-01-01_00-00-02_A.page", 1},
          {"2099-01-01_00-00-03_A.page", 2}},
         "2099-01-01_00-00-01_A.page"},
        {"copied in from another machine",
         {{"2020-01-01_00-00-00_A.page", 0},
          {"2026-12-06_00-00-00_A.page", 5},
          {"2026-12-07_09-00-00_A.page", 1}},
         "2026-12-06_00-00-00_A.page"},
    };
    for (const auto& c : cases) {
        const TempFolder dir;
        fs::create_directories(dir.path() / "backups");
        for (const auto& [name, hoursAgo] : c.existing) {
            std::ofstream(dir.path() / "backups" / name) << "alt";
            fs::last_write_time(dir.path() / "backups" / name,
                                fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
        }
        const EepromImage image = pageWithId("        ID-1");
        const BackupOutcome kept = keepBackup(
            {dir.path() / "backups", [] { return at(10, 0, 0); }, 3}, pageOf(image, kAddressPage));
        ASSERT_TRUE(kept.written()) << kept.error;
        EXPECT_TRUE(fs::exists(kept.file)) << c.what;
        for (const auto& [name, hoursAgo] : c.existing) {
            EXPECT_EQ(fs::exists(dir.path() / "backups" / name), name != c.removed) << c.what;
        }
    }
}

}  // namespace
