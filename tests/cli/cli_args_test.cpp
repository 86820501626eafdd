#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "cli/cli_args.h"
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
        {{"program", "a.PML", "--each", "-p", "7", "-p", "COM7"}, "COM7 ist doppelt angegeben"},
        {{"--trace"}, "Nach \"--trace\" fehlt der Wert"},
        {{"--trace", "t.txt"}, "Kein Befehl"},
        {{"read", "-o", ""}, "Nach \"-o\" fehlt der Dateiname"},
        {{"read", "-p", "5", "--port", "6"}, "\"-p\" ist mehrfach angegeben"},
        {{"write", "--text", "a", "--text", "b"}, "\"--text\" ist mehrfach angegeben"},
        {{"ports", "--device", "/dev/null"}, "nur mit --remember"},
        {{"ports", "--remember", "COM5", "--forget", "COM5"}, "--remember oder --forget"},
        {{"--trace", "", "read"}, "Nach \"--trace\" fehlt der Dateiname"},
        {{"--trace", "a", "read", "--trace", "b"}, "\"--trace\" ist mehrfach angegeben"},
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
}

PortIdentity identity(PortKind kind, std::string product = {}, std::string serial = {},
                      std::string withheld = {}, std::string byId = {}) {
    PortIdentity id;
    id.kind = kind;
    id.product = std::move(product);
    id.serial = std::move(serial);
    id.withheld = std::move(withheld);
    id.byId = std::move(byId);
    return id;
}

// Devices that exist only as names, with identities of the test's choosing: nothing here
// can be opened.
CliCapture withDevices(std::map<std::int32_t, PortIdentity> ports) {
    for (auto& [n, identity] : ports) {
        identity.device = "/nonexistent/pemlar-test/dev" + std::to_string(n);
    }
    CliCapture capture = offline();
    capture.resolver = [ports](std::int32_t n) -> std::optional<std::string> {
        const auto found = ports.find(n);
        return found == ports.end() ? std::nullopt : std::optional(found->second.device);
    };
    capture.identifier = [ports] {
        return [ports](const std::string& device) {
            for (const auto& [n, identity] : ports) {
                if (identity.device == device) {
                    return identity;
                }
            }
            return PortIdentity{};
        };
    };
    capture.stored = {std::nullopt, "gespeicherte Schnittstelle 300 ist ungültig"};
    return capture;
}

TEST(CliArgs, WithNoPortChosenOnlyTheOneAdapterIsUsed) {
    const PortIdentity uart = identity(PortKind::BuiltIn);
    const PortIdentity console = identity(PortKind::BuiltIn, {}, {}, "Systemkonsole");
    const PortIdentity ftdi = identity(PortKind::UsbAdapter, "FT232R", "A5");
    const PortIdentity acm = identity(PortKind::Acm, "Uno");
    const struct {
        std::map<std::int32_t, PortIdentity> ports;
        ExitStatus status;  // Port: the adapter was chosen, and then failed to open
        std::vector<const char*> says;
        const char* never;
    } cases[] = {
        {{{1, console}, {2, uart}, {33, ftdi}},
         ExitStatus::Port,
         {"300 ist ungültig; es wird COM33 verwendet, der einzige USB-Adapter: COM33",
          "USB FT232R, Seriennr. A5", "COM33 (/nonexistent/pemlar-test/dev33)"},
         "COM1"},
        {{{1, console}, {2, uart}},
         ExitStatus::Usage,
         {"Keine Schnittstelle gewählt (gespeicherte Schnittstelle 300 ist ungültig) und kein "
          "USB-Adapter angeschlossen",
          "In Frage kommen:\n  COM2  /nonexistent/pemlar-test/dev2  eingebaute Schnittstelle\n"},
         "COM1 "},
        {{{33, ftdi}, {65, acm}},
         ExitStatus::Usage,
         {"mehrere USB-Adapter", "-p COM33", "  COM33  ",
          "  COM65  /nonexistent/pemlar-test/dev65  "
          "USB (ACM) Uno\n"},
         "verwendet"},
    };
    for (const auto& c : cases) {
        const CliRun run = withDevices(c.ports)({"read"});
        EXPECT_EQ(run.status, c.status) << run.err;
        for (const char* text : c.says) {
            EXPECT_NE(run.err.find(text), std::string::npos) << text << "\n" << run.err;
        }
        EXPECT_EQ(run.err.find(c.never), std::string::npos) << c.never << "\n" << run.err;
    }
}

TEST(CliArgs, RememberKeepsAnAdaptersNumberByItsSerialLink) {
    const TempFolder folder;
    CliCapture capture = withDevices(
        {{34, identity(PortKind::UsbAdapter, {}, {}, {}, "/dev/serial/by-id/usb-FTDI_A5-if00")},
         {2, identity(PortKind::BuiltIn)}});
    capture.mappingFolder = folder.path() / "ports";
    const std::filesystem::path entry = capture.mappingFolder / "COM5";
    if (!portMappingHonoured()) {
        const CliRun refused = capture({"ports", "--remember", "COM34"});
        EXPECT_EQ(refused.status, ExitStatus::Usage);
        EXPECT_NE(refused.err.find("Geräte-Manager"), std::string::npos) << refused.err;
        return;  // the system numbers the ports itself
    }

    const CliRun kept =
        capture({"ports", "--remember", "COM5", "--device", "/nonexistent/pemlar-test/dev34"});
    EXPECT_EQ(kept.status, ExitStatus::Ok) << kept.err;
    EXPECT_EQ(std::filesystem::read_symlink(entry), "/dev/serial/by-id/usb-FTDI_A5-if00");
    EXPECT_EQ(capture({"ports", "--remember", "COM34"}).status, ExitStatus::Ok) << "again";

    const CliRun builtIn = capture({"ports", "--remember", "COM2"});
    EXPECT_EQ(builtIn.status, ExitStatus::Port);
    EXPECT_NE(builtIn.err.find("nur USB-Geräte"), std::string::npos) << builtIn.err;

    EXPECT_EQ(capture({"ports", "--forget", "COM5"}).status, ExitStatus::Ok);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(entry)));
    EXPECT_NE(capture({"ports", "--forget", "COM5"}).out.find("war nicht festgehalten"),
              std::string::npos);
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
