#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/text_1252.h"
#include "cli/visible_text.h"
#include "tests/support/cli_capture.h"
#include "tests/support/temp_folder.h"

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
        {{"read", "-o", ""}, "Nach \"-o\" fehlt der Dateiname"},
        {{"read", "-p", "5", "--port", "6"}, "\"-p\" ist mehrfach angegeben"},
        {{"write", "--text", "a", "--text", "b"}, "\"--text\" ist mehrfach angegeben"},
    };
    for (const Case& c : cases) {
        const CliRun run = offline()(c.words);
        const std::string name = c.words.empty() ? "(nothing)" : c.words[0];
        EXPECT_EQ(run.status, ExitStatus::Usage) << name;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << name << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << name;
    }
}

TEST(CliArgs, HelpAndVersion) {
    const CliRun help = offline()({"--help"});
    EXPECT_EQ(help.status, ExitStatus::Ok);
    for (const char* word :
         {"ports", "read", "write", "verify", "backup", "restore", "program", "--each", "--log",
          "--json", "--no-verify", "--id-from-instrument", "--device", "Rückgabewerte", "  8  "}) {
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

// Before any port is touched, an address file must be exactly 125 bytes; "--" lets a
// file named like an option through (to the port, which is offline here).
TEST(CliArgs, AnAddressFileIsExactly125Bytes) {
    const TempFolder dir;
    const struct {
        const char* name;
        std::size_t size;
        const char* command;
        const char* says;
    } cases[] = {
        {"leer.PML", 0, "verify", "0 Bytes statt genau 125"},
        {"-x.PML", 125, "write", "nicht geöffnet"},
    };
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    for (const auto& c : cases) {
        std::ofstream(c.name, std::ios::binary) << std::string(c.size, 'a');
        const CliRun run = offline()({c.command, "--", c.name});
        EXPECT_EQ(run.status, c.size == 125 ? ExitStatus::Port : ExitStatus::File) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.name << ": " << run.err;
    }
    std::filesystem::current_path(before);
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

// What an instrument holds is shown, never obeyed by the terminal.
TEST(VisibleText, ControlCharactersAreShownNotObeyed) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"\x1B]0;Titel\x07", "\u241B]0;Titel\u2407"},
        {"\x1B[2JLeer", "\u241B[2JLeer"},
        {"Geheim\rOffen\nZwei\b", "Geheim\u240DOffen\u240AZwei\u2408"},
        {"\x7F\x01\x1F", "\u2421\u2401\u241F"},
        {"\xC2\x9D\xC2\x90", "\\x9D\\x90"},  // undefined in 1252; OSC and DCS to a terminal
        {"Münster € \xC2\xA0", "Münster € \xC2\xA0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(visibleText(c.in), c.out) << c.in;
    }
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
