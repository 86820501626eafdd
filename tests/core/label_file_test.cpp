#include "core/label_file.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace {

using namespace pemlar;
using namespace std::string_literals;

class LabelFileTest : public ::testing::Test {
protected:
    std::filesystem::path path(const char* name) const { return dir_.path() / name; }
    void write(const char* name, const std::string& bytes) {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    TempFolder dir_;
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
    std::filesystem::create_directory(path("folder"));
    for (const char* name : {"missing", "folder"}) {
        EXPECT_EQ(readLabelFile(path(name)), "NEU") << name;
    }
}

TEST_F(LabelFileTest, DefaultNameIsInTheCurrentDirectory) {
    write("testlab.lst", "ABC\r\nDEF\r\n");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    const std::string text = readLabelFile();
    std::filesystem::current_path(before);
    EXPECT_EQ(text, "ABC\r\nDEF\r\n");
}

}  // namespace
