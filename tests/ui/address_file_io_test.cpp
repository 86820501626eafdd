#include "ui/address_file_io.h"

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/ui/private_mount.h"

namespace {

using namespace std::string_literals;

void writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
}

std::string readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<unreadable>";
    }
    return file.readAll().toStdString();
}

AddressFileBytes blockOf(const std::string& bytes) {
    AddressFileBytes block{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), block.size()), block.begin());
    return block;
}

std::string textOf(const AddressFileBytes& block) {
    return std::string(reinterpret_cast<const char*>(block.data()), block.size());
}

const std::string kOldFile = "an older address file that must survive a failed save";

class AddressFileIoTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

TEST_F(AddressFileIoTest, SaveThenLoadGivesTheSlotsBack) {
    const AddressFileBytes saved = blockOf("Zeile 1"s + std::string(18, '\0') +
                                           "Gr\xFC\xDF"
                                           "e" +
                                           std::string(20, '\0') + std::string(24, 'X'));
    ASSERT_TRUE(saveAddressFile(path("a.PML"), saved));
    EXPECT_EQ(loadAddressFile(path("a.PML")), saved);
}

TEST_F(AddressFileIoTest, SavedFileIsAlwaysExactly125Bytes) {
    for (const AddressFileBytes& block : {AddressFileBytes{}, blockOf(std::string(125, 'Z'))}) {
        ASSERT_TRUE(saveAddressFile(path("b"), block));
        EXPECT_EQ(readFile(path("b")), textOf(block));
    }
}

TEST_F(AddressFileIoTest, SaveReplacesAnExistingFile) {
    writeFile(path("c.PML"), std::string(300, 'o'));
    const AddressFileBytes block = blockOf("neu");
    ASSERT_TRUE(saveAddressFile(path("c.PML"), block));
    EXPECT_EQ(readFile(path("c.PML")), textOf(block));
}

TEST_F(AddressFileIoTest, SaveBelowARegularFileFails) {
    writeFile(path("plain"), kOldFile);
    EXPECT_FALSE(saveAddressFile(path("plain/d.PML"), AddressFileBytes{}));
    EXPECT_EQ(readFile(path("plain")), kOldFile);
}

TEST_F(AddressFileIoTest, SaveIntoReadOnlyFolderKeepsTheOldFile) {
    writeFile(path("e.PML"), kOldFile);
    const std::string folder = dir_.path().toStdString();
    const QString target = path("e.PML");
    const auto outcome = runWithPrivateMounts([&]() -> std::string {
        if (auto error = remountReadOnly(folder); !error.empty()) {
            return error;
        }
        if (saveAddressFile(target, blockOf("neu"))) {
            return "the save reported success";
        }
        return {};
    });
    if (!outcome.available) {
        GTEST_SKIP() << "read-only bind mounts are not possible here: " << outcome.detail;
    }
    EXPECT_EQ(outcome.detail, "");
    EXPECT_EQ(readFile(target), kOldFile);
}

TEST_F(AddressFileIoTest, SaveOnAFullDiskKeepsTheOldFile) {
    const std::string folder = dir_.path().toStdString();
    const QString target = path("f.PML");
    const auto outcome = runWithPrivateMounts([&]() -> std::string {
        if (auto error = mountTmpfs(folder, "size=64k"); !error.empty()) {
            return error;
        }
        writeFile(target, kOldFile);
        fillUp(folder);
        if (saveAddressFile(target, blockOf("neu"))) {
            return "the save reported success";
        }
        if (readFile(target) != kOldFile) {
            return "the old file changed to \"" + readFile(target) + "\"";
        }
        return {};
    });
    if (!outcome.available) {
        GTEST_SKIP() << "size-limited tmpfs mounts are not possible here: " << outcome.detail;
    }
    EXPECT_EQ(outcome.detail, "");
}

TEST_F(AddressFileIoTest, LoadShowsOnlyTheBytesOfAShortFile) {
    writeFile(path("g"), "Zeile 1"s + std::string(18, '\0') + "Zei");
    const auto loaded = loadAddressFile(path("g"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, blockOf("Zeile 1"s + std::string(18, '\0') + "Zei"));
}

TEST_F(AddressFileIoTest, LoadTakesTheFirst125BytesOfALongFile) {
    writeFile(path("h"), std::string(24, 'A') + '\0' + std::string(400, 'B'));
    const auto loaded = loadAddressFile(path("h"));
    ASSERT_TRUE(loaded);
    std::string expected = std::string(24, 'A') + '\0';
    for (int slot = 1; slot < kLineCount; ++slot) {
        expected += std::string(24, 'B') + '\0';
    }
    EXPECT_EQ(textOf(*loaded), expected);
}

TEST_F(AddressFileIoTest, LoadRefusesWhatIsNotAReadableFile) {
    ASSERT_EQ(mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
    for (const char* name : {"missing", "folder", "fifo"}) {
        EXPECT_FALSE(loadAddressFile(path(name))) << name;  // a pipe must not block either
    }
}

}  // namespace
