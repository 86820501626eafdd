#include "link/line_settings.h"

#include <gtest/gtest.h>

using namespace pemlar;

namespace {

TEST(LineSettings, InstrumentRecords) {
    EXPECT_EQ(instrumentTimeouts(), (CommTimeouts{0xFFFFFFFF, 10, 1000, 10, 1000}));
    const LineSettings first = instrumentLineSettings();
    EXPECT_EQ(first.baudRate, 9600u);
    EXPECT_EQ(first.byteSize, 8);
    EXPECT_EQ(first.parity, Parity::None);
    EXPECT_EQ(first.stopBits, StopBits::One);
    EXPECT_TRUE(first.binary);
    EXPECT_TRUE(first.outxCtsFlow);
    EXPECT_FALSE(first.parityCheck || first.outxDsrFlow || first.outX || first.inX ||
                 first.discardNull || first.abortOnError);
    EXPECT_EQ(first.xonChar, 0x11);
    EXPECT_EQ(first.xoffChar, 0x13);
    EXPECT_EQ(first.dtrControl, DtrControl::Enable);
    EXPECT_EQ(first.rtsControl, RtsControl::Enable);
    EXPECT_EQ(instrumentDefinition(3), "COM3:9600,n,8,1");
    EXPECT_EQ(instrumentDefinition(12), "COM12:9600,n,8,1");
}

TEST(LineSettings, DefinitionSwitchesFlowControlOff) {
    LineSettings settings = instrumentLineSettings();
    settings.inX = true;
    settings.dtrControl = DtrControl::Disable;
    settings.xonLim = 77;
    ASSERT_TRUE(parseDefinition("COM3:9600,n,8,1", settings));
    EXPECT_FALSE(settings.outxCtsFlow || settings.outxDsrFlow || settings.outX || settings.inX);
    EXPECT_EQ(settings.dtrControl, DtrControl::Enable);
    EXPECT_EQ(settings.rtsControl, RtsControl::Enable);
    EXPECT_EQ(settings.xonLim, 77) << "members the definition does not name stay";
}

TEST(LineSettings, DefinitionFields) {
    struct Case {
        const char* text;
        std::uint32_t baud;
        Parity parity;
        std::uint8_t byteSize;
        StopBits stopBits;
    };
    const Case cases[] = {
        {"COM1:9600,n,8,1", 9600, Parity::None, 8, StopBits::One},
        {"COM12:19200,e,7,2", 19200, Parity::Even, 7, StopBits::Two},
        {"1200,O,5,1.5", 1200, Parity::Odd, 5, StopBits::OneAndHalf},
        {"COM2: 4800, m, 6, 1", 4800, Parity::Mark, 6, StopBits::One},
    };
    for (const Case& c : cases) {
        LineSettings settings;
        ASSERT_TRUE(parseDefinition(c.text, settings)) << c.text;
        EXPECT_EQ(settings.baudRate, c.baud) << c.text;
        EXPECT_EQ(settings.parity, c.parity) << c.text;
        EXPECT_EQ(settings.byteSize, c.byteSize) << c.text;
        EXPECT_EQ(settings.stopBits, c.stopBits) << c.text;
    }
}

TEST(LineSettings, BadDefinitionsLeaveTheRecordAlone) {
    const char* const bad[] = {
        "",           "COM1:",   "COM1:9600,n,8", "COM1:9600,x,8,1", "9600,n,9,1",  "9600,n,8,3",
        "fast,n,8,1", "0,n,8,1", "9600,n,8,1,",   "9600,,8,1",       "-9600,n,8,1", "9600,n,8,1x"};
    for (const char* text : bad) {
        LineSettings settings = instrumentLineSettings();
        EXPECT_FALSE(parseDefinition(text, settings)) << text;
        EXPECT_EQ(settings, instrumentLineSettings()) << text;
    }
}

}  // namespace
