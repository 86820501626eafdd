#include "core/stored_port.h"

#include <gtest/gtest.h>

using namespace pemlar;

namespace {

TEST(StoredPort, FromTheWindowProgramsSettingsFile) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> port;
        const char* why;
    };
    const Case cases[] = {
        {"[General]\nSelcted_Com=5\nSelcted_Lab=2\n", 5, ""},
        {"[General]\r\nSelcted_Lab=2\r\nSelcted_Com = 17 \r\n", 17, ""},
        {"[General]\nSelcted_Com=\"3\"\n", 3, ""},
        {"[General]\nSelcted_Com=0\n", std::nullopt, "keine Schnittstelle gespeichert"},
        {"[General]\nSelcted_Com=256\n", std::nullopt, "256 ist ungültig"},
        {"[General]\nSelcted_Com=-1\n", std::nullopt, "-1 ist ungültig"},
        {"[General]\nSelcted_Com=COM5\n", std::nullopt, "keine Zahl"},
        {"[General]\nSelcted_Com=@Variant(\\0\\0\\0\\x2)\n", std::nullopt, "keine Zahl"},
        {"[Other]\nSelcted_Com=5\n", std::nullopt, "keine Schnittstelle gespeichert"},
        {"Selcted_Com=5\n", std::nullopt, "keine Schnittstelle gespeichert"},
        {"", std::nullopt, "keine Schnittstelle gespeichert"},
    };
    for (const Case& c : cases) {
        std::string why;
        EXPECT_EQ(pemlar::portFromSettingsText(c.text, why), c.port) << c.text;
        EXPECT_NE(why.find(c.why), std::string::npos) << c.text << ": " << why;
    }
}

}  // namespace
