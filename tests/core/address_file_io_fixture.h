#pragma once
// Address files in a temporary folder of their own.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/address_file_io.h"
#include "tests/support/temp_folder.h"

namespace pemlar {

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
    // ASCII text only: each byte becomes the character of the same number.
    static pemlar::AddressFileBytes lines(std::string_view text) {
        return pemlar::addressFileFromText(std::u32string(text.begin(), text.end()));
    }
    static std::string bytesOf(const pemlar::AddressFileBytes& b) { return {b.begin(), b.end()}; }
    TempFolder dir_;
};

}  // namespace pemlar
