// The series log's fields and file, and the trace's text.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cli/series_log.h"
#include "cli/trace_file.h"
#include "tests/support/temp_folder.h"

using namespace pemlar;

namespace {

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SeriesLog, FieldsThatASpreadsheetWouldMisreadAreQuoted) {
    struct Case {
        const char* text;
        const char* field;
    };
    const Case cases[] = {
        {"PM-0815-42 KAL 0324", "PM-0815-42 KAL 0324"},
        {"", ""},
        {"a;b", "\"a;b\""},
        {"sagt \"nein\"", "\"sagt \"\"nein\"\"\""},
        {"zwei\nZeilen", "\"zwei\nZeilen\""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+49 251", "\"'+49 251\""},
        {"-0815", "\"'-0815\""},
        {"@SUMME(A1)", "\"'@SUMME(A1)\""},
        {"\tTab", "\"'\tTab\""},
        {"OK - geprüft", "OK - geprüft"},  // only the first character counts
    };
    for (const Case& c : cases) {
        EXPECT_EQ(csvField(c.text), c.field) << c.text;
    }
}

TEST(SeriesLog, ANewFileBeginsWithTheMarkAndTheHeaderOnce) {
    TempFolder folder;
    const std::filesystem::path path = folder.path() / "serie.csv";
    const SeriesRecord record{"2026-12-07 23:59:01",        "COM7", "=1+1", "OK", 3120, "1.4",
                              "2026-12-07_23-59-01_PM.page"};
    const std::string line =
        "2026-12-07 23:59:01;\"'=1+1\";OK;COM7;3120;1.4;2026-12-07_23-59-01_PM.page\r\n";
    for (int run = 0; run < 2; ++run) {
        SeriesLog log;
        std::string why;
        ASSERT_TRUE(log.open(path.string(), why)) << why;
        ASSERT_TRUE(log.append(record));
    }
    EXPECT_EQ(contentOf(path), "\xEF\xBB\xBF" + std::string(kSeriesLogHeader) + line + line);

    // An older log goes on as it is: no mark in the middle, no second header.
    const std::filesystem::path old = folder.path() / "alt.csv";
    std::ofstream(old, std::ios::binary) << "Zeit;ID;Ergebnis\r\n";
    SeriesLog log;
    std::string why;
    ASSERT_TRUE(log.open(old.string(), why)) << why;
    ASSERT_TRUE(log.append(record));
    EXPECT_EQ(contentOf(old), "Zeit;ID;Ergebnis\r\n" + line);
}

TEST(TraceText, FramesInHexWithTheirResult) {
    std::vector<std::uint8_t> page(262, 0x20);
    page[0] = 0xAA;
    const std::vector<std::uint8_t> request{0xAA, 0x55, 0x01, 0x01, 0x01, 0x01};
    auto event = [](LineEventKind kind, ScomResult result, std::span<const std::uint8_t> bytes,
                    std::size_t count) {
        LineEvent e;
        e.kind = kind;
        e.port = 7;
        e.result = result;
        e.device = "/dev/pts/3";
        e.bytes = bytes;
        e.transferred = e.expected = count;
        e.pauseAsked = 600;
        e.pausePassed = 601;
        return e;
    };
    struct Case {
        LineEvent event;
        std::string text;
    };
    const Case cases[] = {
        {event(LineEventKind::Open, ScomResult::OpenFailed, {}, 0),
         "COM7 öffnen /dev/pts/3: OpenFailed\n"},
        {event(LineEventKind::Sent, ScomResult::Ok, request, 6),
         "COM7 gesendet 6 von 6 Bytes, Ok: AA 55 01 01 01 01\n"},
        {event(LineEventKind::Received, ScomResult::TransferError, {}, 7),
         "COM7 empfangen 0 von 7 Bytes, TransferError\n"},
        {event(LineEventKind::Pause, ScomResult::Ok, {}, 0), "COM7 Pause 600 ms (601 ms)\n"},
        {event(LineEventKind::Received, ScomResult::ChecksumError, page, 262),
         "COM7 empfangen 262 von 262 Bytes, ChecksumError:\n"
         "    0000  AA 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20\n"},
    };
    for (const Case& c : cases) {
        const std::string text = traceText(c.event);
        EXPECT_EQ(text.substr(0, c.text.size()), c.text);
    }
    EXPECT_NE(traceText(cases[4].event).find("\n    0100  20 20 20 20 20 20\n"), std::string::npos);
}

}  // namespace
