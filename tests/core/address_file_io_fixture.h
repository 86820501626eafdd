#pragma once
// Address files in a temporary folder of their own.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/address_file_io.h"
#include "tests/support/temp_folder.h"

class AddressFileIoTest : public ::testing::Test {
protected:
    std::filesystem::path path(const char* name) const { return dir_.path() / name; }
    void write(const char* name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const char* name) const {
        std::ifstream file(path(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    static pemlar::AddressFileBytes lines(const char* first) {
        return pemlar::addressFileFromText(first);
    }
    static std::string bytesOf(const pemlar::AddressFileBytes& b) { return {b.begin(), b.end()}; }
    TempFolder dir_;
};
