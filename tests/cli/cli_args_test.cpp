#include <gtest/gtest.h>

#include "cli/cli_args.h"
#include "cli/text_1252.h"
#include "tests/support/cli_capture.h"

using namespace pemlar;

namespace {

using pemlar::ExitStatus;

// Resolves nothing: no case here may reach a port.
CliCapture offline() {
    return {[](std::int32_t) { return std::optional<std::string>(); }, {}, {7, {}}};
}

TEST(CliArgs, RefusesWhatItCannotRun) {
    struct Case {
        std::vector<std::string> words;
        const char* says;
    };
    const Case cases[] = {
        {{}, "Kein Befehl"},
        {{"lesen"}, "Unbekannter Befehl \"lesen\""},
        {{"read", "--bogus"}, "\"--bogus\" gibt es für \"read\" nicht"},
        {{"ports", "-p", "COM5"}, "\"-p\" gibt es für \"ports\" nicht"},
        {{"verify", "a.PML", "--json"}, "\"--json\" gibt es"},
        {{"read", "-p"}, "Nach \"-p\" fehlt der Wert"},
        {{"read", "-p", "COM0"}, "\"COM0\" ist keine Schnittstelle"},
        {{"read", "-p", "COM256"}, "\"COM256\" ist keine Schnittstelle"},
        {{"read", "-p", "5x"}, "\"5x\" ist keine Schnittstelle"},
        {{"read", "-p", "5", "--device", "/dev/null"}, "nur eines angeben: -p oder --device"},
        {{"write"}, "Welche Adresse?"},
        {{"write", "a.PML", "--text", "x"}, "eine Adressdatei oder --text"},
        {{"write", "a.PML", "b.PML"}, "Überzähliges Argument \"b.PML\""},
        {{"restore"}, "Welche Sicherung?"},
        {{"backup", "x"}, "Überzähliges Argument \"x\""},
        {{"program", "a.PML"}, "bitte --each angeben"},
        {{"program", "a.PML", "--each", "-p", "7", "-p", "COM7"}, "COM7 ist doppelt angegeben"},
        {{"--trace"}, "Nach \"--trace\" fehlt der Wert"},
        {{"--trace", "t.txt"}, "Kein Befehl"},
    };
    for (const Case& c : cases) {
        const CliRun run = offline()(c.words);
        const std::string name = c.words.empty() ? "(nothing)" : c.words[0];
        EXPECT_EQ(run.status, ExitStatus::Usage) << name;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << name << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << name;
    }
}

TEST(CliArgs, OnlyASeriesTakesSeveralPorts) {
    struct Case {
        std::vector<std::string> words;
        std::vector<std::int32_t> ports;
        std::string trace;
    };
    const Case cases[] = {
        {{"program", "a.PML", "--each", "-p", "7", "--port", "COM8", "-p", "com3"}, {7, 8, 3}, ""},
        {{"read", "-p", "7", "-p", "8"}, {8}, ""},  // elsewhere the last one counts
        {{"--trace", "t.txt", "read", "-p", "5"}, {5}, "t.txt"},
        {{"backup", "--trace", "u.txt"}, {}, "u.txt"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string>& words = c.words;
        const ParsedArgs parsed = parseCliArgs(words);
        ASSERT_TRUE(parsed.args) << words[0] << ": " << parsed.error;
        EXPECT_EQ(parsed.args->ports, c.ports) << words[0];
        EXPECT_EQ(parsed.args->port.value_or(0), c.ports.empty() ? 0 : c.ports.front());
        EXPECT_EQ(parsed.args->trace, c.trace);
    }
}

TEST(CliArgs, HelpAndVersion) {
    const CliRun help = offline()({"--help"});
    EXPECT_EQ(help.status, ExitStatus::Ok);
    for (const char* word : {"ports", "read", "write", "verify", "backup", "restore", "program",
                             "--each", "--log", "--json", "--no-verify", "--id-from-instrument",
                             "--device", "--trace", "Protokoll", "Rückgabewerte", "  8  "}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    EXPECT_EQ(offline()({"write", "--help"}).out, help.out);
    const CliRun version = offline()({"--version"});
    EXPECT_EQ(version.status, ExitStatus::Ok);
    EXPECT_EQ(version.out, "pemlar-cli " PEMLAR_TEST_VERSION "\n");
}

TEST(CliArgs, AddressTextIsCheckedBeforeAnyPortIsTouched) {
    struct Case {
        std::string text;
        const char* says;
    };
    const Case cases[] = {
        {"Preis in \xE2\x82\xAC\\nPfeil \xE2\x86\x92", "„→“ (U+2192) gibt es im Zeichensatz"},
        {"kaputt \xC3", "kein gültiges UTF-8"},
        {"1\\n2\\n3\\n4\\n5\\n6", "passt nicht in fünf Zeilen"},
        {std::string(121, 'x'), "passt nicht in fünf Zeilen"},
        {std::string("a\0b", 3), "passt nicht in fünf Zeilen"},
    };
    for (const Case& c : cases) {
        const CliRun run = offline()({"write", "--text", c.text});
        EXPECT_EQ(run.status, ExitStatus::File) << c.text;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    const CliRun missing = offline()({"verify", "/nonexistent/a.PML"});
    EXPECT_EQ(missing.status, ExitStatus::File);
    EXPECT_NE(missing.err.find("gibt es nicht"), std::string::npos);
}

TEST(CliArgs, PortFailuresNameTheReason) {
    const CliRun run = offline()({"read", "-p", "COM9"});
    EXPECT_EQ(run.status, ExitStatus::Port);
    EXPECT_NE(run.err.find("konnte nicht geöffnet werden"), std::string::npos);
    EXPECT_NE(run.err.find("COM9: keinem Gerät zugeordnet"), std::string::npos) << run.err;

    CliCapture fallback = offline();
    fallback.stored = {1, "keine Schnittstelle gespeichert"};
    const CliRun noted = fallback({"backup"});
    EXPECT_NE(noted.err.find("Hinweis: keine Schnittstelle gespeichert; es wird COM1 verwendet"),
              std::string::npos)
        << noted.err;
}

TEST(Windows1252, BetweenTheTerminalAndTheLines) {
    struct Case {
        std::string bytes;  // Windows-1252
        std::string utf8;
    };
    const Case cases[] = {
        {"Stra\xDF"
         "e",
         "Straße"},
        {"\x80 \x8A \x9F", "€ Š Ÿ"},
        {"\xA0\xFF", "\xC2\xA0ÿ"},
        {"\x81\x9D", "\xC2\x81\xC2\x9D"},  // undefined in 1252: kept as the control of that number
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pemlar::utf8FromWindows1252(c.bytes), c.utf8);
        std::string error;
        EXPECT_EQ(pemlar::windows1252FromUtf8(c.utf8, error), c.bytes) << error;
    }
    for (const std::string bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF0\x9F\x98\x80", "\xE2\x82"}) {
        std::string error;
        EXPECT_FALSE(pemlar::windows1252FromUtf8(bad, error).has_value());
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
