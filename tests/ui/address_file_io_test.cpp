#include "ui/address_file_io.h"

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class AddressFileIoTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

TEST_F(AddressFileIoTest, LoadTakesTheFirst125BytesOfALongFile) {
    QFile file(path("long"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(24, 'A') + '\0' + QByteArray(400, 'B'));
    file.close();
    const auto loaded = loadAddressFile(path("long"));
    ASSERT_TRUE(loaded);
    std::string expected = std::string(24, 'A') + '\0';
    for (int slot = 1; slot < kLineCount; ++slot) {
        expected += std::string(24, 'B') + '\0';
    }
    EXPECT_EQ(std::string(loaded->begin(), loaded->end()), expected);
}

TEST_F(AddressFileIoTest, LoadRefusesWhatIsNotAReadableFile) {
    ASSERT_EQ(mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
    for (const char* name : {"missing", "folder", "fifo"}) {
        EXPECT_FALSE(loadAddressFile(path(name))) << name;  // a pipe must not block either
    }
}

}  // namespace
