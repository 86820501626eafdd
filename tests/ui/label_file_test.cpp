#include "ui/label_file.h"

#include <string>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace std::string_literals;

class LabelFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const std::string& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QTemporaryDir dir_;
};

TEST_F(LabelFileTest, ReadsTheBytesAsTheyAre) {
    write("a", "NEU\r\nGr\xFCn\r\n\0X"s);
    EXPECT_EQ(readLabelFile(path("a")), "NEU\r\nGr\xFCn\r\n\0X"s);
}

TEST_F(LabelFileTest, ReadsAtMost1280Bytes) {
    write("b", std::string(1280, 'A') + "BEYOND");
    EXPECT_EQ(readLabelFile(path("b")), std::string(1280, 'A'));
}

TEST_F(LabelFileTest, WhatCantBeReadGivesNeu) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
    for (const char* name : {"missing", "folder"}) {
        EXPECT_EQ(readLabelFile(path(name)), "NEU") << name;
    }
}

TEST_F(LabelFileTest, DefaultNameIsInTheCurrentDirectory) {
    write("testlab.lst", "ABC\r\nDEF\r\n");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const std::string text = readLabelFile();
    QDir::setCurrent(before);
    EXPECT_EQ(text, "ABC\r\nDEF\r\n");
}

}  // namespace
