#include "ui/open_save_paths.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/support/case_name.h"

using namespace pemlar;

namespace {

using pemlar::test::PrintTo;

struct SplitCase {
    const char* name;
    bool withDrives;
    const char* path;
    PathParts parts;
};

class SplitPathTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, SplitsIntoDriveDirNameExt) {
    const SplitCase& c = GetParam();
    const PathParts parts = splitPath(std::string(c.path), c.withDrives);
    EXPECT_EQ(parts.drive, c.parts.drive);
    EXPECT_EQ(parts.dir, c.parts.dir);
    EXPECT_EQ(parts.name, c.parts.name);
    EXPECT_EQ(parts.ext, c.parts.ext);
}

PathParts parts(const char* drive, const char* dir, const char* name, const char* ext) {
    return {std::string(drive), std::string(dir), std::string(name), std::string(ext)};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitPathTest,
    ::testing::Values(
        SplitCase{"Empty", false, "", parts("", "", "", "")},
        SplitCase{"NameOnly", false, "a.PML", parts("", "", "a", ".PML")},
        SplitCase{"NoExtension", false, "/home/u/adr", parts("", "/home/u/", "adr", "")},
        SplitCase{"LastDotCounts", false, "/x/a.b.PML", parts("", "/x/", "a.b", ".PML")},
        SplitCase{"DotInDirOnly", false, "/x.d/adr", parts("", "/x.d/", "adr", "")},
        SplitCase{"TrailingSlash", false, "/home/u/", parts("", "/home/u/", "", "")},
        SplitCase{"ColonIsNoDriveHere", false, "C:a.PML", parts("", "", "C:a", ".PML")},
        SplitCase{"BackslashIsNoSeparatorHere", false, "a\\b.PML", parts("", "", "a\\b", ".PML")},
        SplitCase{"Drive", true, "C:\\daten\\a.PML", parts("C:", "\\daten\\", "a", ".PML")},
        SplitCase{"DriveForwardSlashes", true, "D:/daten/a", parts("D:", "/daten/", "a", "")},
        SplitCase{"DriveAndName", true, "C:a.PML", parts("C:", "", "a", ".PML")},
        SplitCase{"DigitIsNoDrive", true, "1:a", parts("", "", "1:a", "")}),
    pemlar::test::caseName);

struct DirectoryCase {
    const char* name;
    bool withDrives;
    const char* proposed;
    const char* initial;
    const char* directory;
    const char* fileName;
};

class DialogDirectoryTest : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(DialogDirectoryTest, FollowsTheProposedNameThenTheInitialDirectory) {
    const DirectoryCase& c = GetParam();
    EXPECT_EQ(dialogDirectory(std::string(c.proposed), std::string(c.initial), c.withDrives),
              std::string(c.directory));
    EXPECT_EQ(dialogFileName(std::string(c.proposed), c.withDrives), std::string(c.fileName));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogDirectoryTest,
    ::testing::Values(
        DirectoryCase{"BothEmpty", false, "", "", "", ""},
        DirectoryCase{"ProposedDirWins", false, "/a/b/x.PML", "/c/d/", "/a/b", "x.PML"},
        DirectoryCase{"InitialWithSlash", false, "x.PML", "/c/d/", "/c/d", "x.PML"},
        DirectoryCase{"InitialLastPartIsAName", false, "", "/c/d", "/c", ""},
        DirectoryCase{"RootBecomesDefault", false, "", "/", "", ""},
        DirectoryCase{"OnlyOneSlashRemoved", false, "", "/c//", "/c/", ""},
        DirectoryCase{"ProposedDriveOnly", true, "E:x.PML", "C:\\daten\\", "E:", "x.PML"},
        DirectoryCase{"InitialDrive", true, "x", "C:\\daten\\", "C:\\daten", "x"},
        DirectoryCase{"InitialDriveRoot", true, "", "C:\\", "C:", ""}),
    pemlar::test::caseName);

struct ConfirmedCase {
    const char* name;
    bool withDrives;
    const char* chosen;
    const char* initial;
    const char* result;
};

class ConfirmedPathTest : public ::testing::TestWithParam<ConfirmedCase> {};

TEST_P(ConfirmedPathTest, ShortensOnlyPathsInTheInitialDirectory) {
    const ConfirmedCase& c = GetParam();
    EXPECT_EQ(confirmedPath(std::string(c.chosen), std::string(c.initial), c.withDrives),
              std::string(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfirmedPathTest,
    ::testing::Values(
        ConfirmedCase{"NoInitialGivesFullPath", false, "/home/u/a.PML", "", "/home/u/a.PML"},
        ConfirmedCase{"SameDirGivesName", false, "/home/u/a.PML", "/home/u/", "a.PML"},
        ConfirmedCase{"InitialNameIgnored", false, "/home/u/a.PML", "/home/u/b.PML", "a.PML"},
        ConfirmedCase{"OtherDir", false, "/home/v/a.PML", "/home/u/", "/home/v/a.PML"},
        ConfirmedCase{"CaseMatters", false, "/home/U/a.PML", "/home/u/", "/home/U/a.PML"},
        ConfirmedCase{"SameDrive", true, "C:\\d\\a.PML", "C:\\d\\", "a.PML"},
        ConfirmedCase{"OtherDrive", true, "D:\\d\\a.PML", "C:\\d\\", "D:\\d\\a.PML"}),
    pemlar::test::caseName);

}  // namespace
