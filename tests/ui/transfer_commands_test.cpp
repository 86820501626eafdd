// "&Auslesen " and "&Beschreiben" with the prompts answered in advance, against the
// simulated instrument (and a port double for what a pseudo-terminal cannot do).

#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "data/address_block.h"
#include "framework/dialog_results.h"
#include "framework/resource_ids.h"
#include "framework/resources.h"
#include "link/frames.h"
#include "tests/support/line_bytes.h"
#include "tests/support/scripted_port.h"
#include "transfer_fixture.h"

using namespace pemlar;

namespace {

const Bytes kReadRequest = {0xAA, 0x55, 0x01, 0x01, 0x01, 0x01};
const Bytes kWriteRequest = {0xAA, 0x55, 0x02, 0x01, 0x01, 0x02};
const Bytes kStatusRequest = {0xAA, 0x55, 0x04, 0x00, 0x01, 0x03};

std::string message(const char* caption, int id) {
    return std::string(caption) + ": " + shownText(fw::loadString(id));
}
const std::string kWriteDone =
    "Information...: Die Programmierung des EEproms wurde erfolgreich beendet!";
const std::string kTransferFailed =
    "Fehler...: Es ist ein Fehler bei der Datenübertragung aufgetreten!";

// Bytes of a typed address and ID: as the host holds them (Windows-1252) and as the
// instrument gets them (code page 437).
struct TypedLine {
    const char* typed;
    const char* host;
    const char* device;
};
const TypedLine kTypedLines[kLineCount] = {
    {"Müller & Söhne GmbH", "M\xFCller & S\xF6hne GmbH", "M\x81ller & S\x94hne GmbH"},
    {"Königsallee 5", "K\xF6nigsallee 5", "K\x94nigsallee 5"},
    {"", "", ""},
    {"40212 Düsseldorf", "40212 D\xFCsseldorf", "40212 D\x81sseldorf"},
    {"Ärger? Straße Übel",
     "\xC4rger? Stra\xDF"
     "e \xDC"
     "bel",
     "\x8Erger? Stra\xE1"
     "e \x9A"
     "bel"},
};
constexpr char kTypedIdBlock[] = "     PM-4711NEU 0726";  // and its zero byte

// Page 1 of `before` with the typed lines and ID number in it, lines in `charset`.
Bytes pageWithTypedText(const EepromImage& before, bool deviceCharset) {
    Bytes page = pageBytes(before, kAddressPage);
    for (int line = 0; line < kLineCount; ++line) {
        const char* text = deviceCharset ? kTypedLines[line].device : kTypedLines[line].host;
        std::memcpy(&page[line * kLineSlotSize], text, std::strlen(text) + 1);
    }
    std::memcpy(&page[kIdBlockOffset], kTypedIdBlock, sizeof kTypedIdBlock);
    return page;
}

class Transfers : public TransferTest {
protected:
    void typeTheText() {
        std::string lines = kTypedLines[0].typed;
        for (int i = 1; i < kLineCount; ++i) {
            lines += "\n" + std::string(kTypedLines[i].typed);
        }
        typeAddress(lines);
        setId("PM-4711", "NEU", "0726");
    }
    void answerPromptAndMessages(int messageCount) {
        test_seams::answerNextModalDialog(IdOk);
        for (int i = 0; i < messageCount; ++i) {
            test_seams::answerNextMessageBox(IdOk);
        }
    }
};

TEST_F(Transfers, ReadShowsTheInstrumentsAddressAndIdNumber) {
    answerPromptAndMessages(0);
    press(kReadButton);

    EXPECT_EQ(prompts(), std::vector<int>{kReadPromptDialog});
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(port.sim().received(), kReadRequest);
    // On the line the u umlaut was 0x81; in the edit it is a u umlaut again.
    EXPECT_EQ(port.sim().image()[256 + 12], 0x81);
    EXPECT_EQ(addressShown(), kDemoAddress);
    EXPECT_EQ(idShown(), kDemoId);
    EXPECT_EQ(addressText().substr(0, 20), "Stadtwerke M\xFCnster\r\n");
}

TEST_F(Transfers, WritePutsExactlyTheFramesOnTheLineAndReportsOnce) {
    answerPromptAndMessages(0);
    press(kReadButton);
    port.sim().clearReceived();
    test_seams::reset();
    typeTheText();
    const EepromImage before = stored();
    answerPromptAndMessages(1);
    press(kWriteButton);

    EXPECT_EQ(prompts(), std::vector<int>{kWritePromptDialog});
    EXPECT_EQ(messages(), std::vector<std::string>{kWriteDone});

    // The page checksum covers the lines as the host holds them; it goes out high byte
    // first, with the lines in the instrument's character set.
    const Bytes hostPage = pageWithTypedText(before, false);
    Bytes devicePage = pageWithTypedText(before, true);
    std::uint32_t sum = 0;
    for (int i = 0; i < 254; ++i) {
        sum += hostPage[i];
    }
    devicePage[254] = static_cast<std::uint8_t>(sum >> 8);
    devicePage[255] = static_cast<std::uint8_t>(sum);
    const Bytes dataFrame = withCheckValue(concat({{0xAA, 0x55, 0x01, 0x00}, devicePage}));
    ASSERT_EQ(dataFrame.size(), 262u);
    EXPECT_EQ(port.sim().received(), concat({kWriteRequest, dataFrame, kStatusRequest}));
    EXPECT_EQ(pageBytes(port.sim().image(), kAddressPage), devicePage);

    // The stored image is back in host order and host characters.
    Bytes storedPage = pageBytes(stored(), kAddressPage);
    EXPECT_TRUE(std::equal(storedPage.begin(), storedPage.begin() + 254, hostPage.begin()));
    EXPECT_EQ(storedPage[254] | storedPage[255] << 8, static_cast<int>(sum & 0xFFFF));
}

// Before any read the ID edits and the rest of the stored page know nothing of the
// instrument: the write fetches its page first and keeps its ID and bytes 146-253,
// its backup going to the data folder.
TEST_F(Transfers, WriteBeforeAnyReadKeepsTheInstrumentsIdAndPageRest) {
    const Bytes device = pageBytes(port.sim().image(), kAddressPage);
    typeAddress("Neue Adresse");
    answerPromptAndMessages(1);
    press(kWriteButton);
    EXPECT_EQ(messages(), std::vector<std::string>{kWriteDone});
    const Bytes received = port.sim().received();
    EXPECT_EQ(Bytes(received.begin(), received.begin() + 12),
              concat({kReadRequest, kWriteRequest}));
    const Bytes written = pageBytes(port.sim().image(), kAddressPage);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(written.data())), "Neue Adresse");
    EXPECT_EQ(Bytes(written.begin() + kIdBlockOffset, written.begin() + 254),
              Bytes(device.begin() + kIdBlockOffset, device.begin() + 254));
    const std::filesystem::path backups =
        std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "Nirvel/Pemlar/backups";
    EXPECT_FALSE(std::filesystem::is_empty(backups));
}

TEST_F(Transfers, WrittenAddressReadsBackAsTyped) {
    typeTheText();
    const std::string typed = addressShown();
    answerPromptAndMessages(1);
    press(kWriteButton);
    typeAddress({});
    setId({}, {}, {});

    answerPromptAndMessages(0);
    press(kReadButton);
    EXPECT_EQ(addressShown(), typed);
    EXPECT_EQ(idShown(), (std::vector<std::string>{"     PM-4711", "NEU", "0726"}));
    EXPECT_EQ(messages(), std::vector<std::string>{kWriteDone});
}

// Positions where the defaults do not depend on the time or the filler bytes, and
// their values.
std::vector<std::pair<int, std::uint8_t>> fixedDefaults() {
    EepromImage low{}, high{};
    low.fill(0x00);
    high.fill(0xFF);
    setDefaults(low, {.secondsSinceEpoch = [] { return 0u; },
                      .fillerByte = [] { return std::uint8_t{0x00}; }});
    setDefaults(high, {.secondsSinceEpoch = [] { return 0xFFFFFFFFu; },
                       .fillerByte = [] { return std::uint8_t{0xFF}; }});
    std::vector<std::pair<int, std::uint8_t>> fixed;
    for (int i = 0; i < kImageSize; ++i) {
        if (low[i] == high[i]) {
            fixed.emplace_back(i, low[i]);
        }
    }
    return fixed;
}

void expectDefaultsOutsideTheAddressPage(const EepromImage& image, const char* when) {
    for (const auto& [offset, value] : fixedDefaults()) {
        if (offset / kPageSize != kAddressPage) {
            ASSERT_EQ(image[offset], value) << when << ", offset " << offset;
        }
    }
    EepromImage rechecked = image;
    updateChecksums(rechecked);
    for (int p : {0, 2, 7}) {
        EXPECT_EQ(pageBytes(rechecked, p), pageBytes(image, p)) << when << ", page " << p;
    }
}

TEST_F(Transfers, ReadThenWriteKeepsTheDefaultsOutsideTheAddressPage) {
    stored().fill(0xEE);  // whatever was there before is replaced whole
    answerPromptAndMessages(0);
    press(kReadButton);
    expectDefaultsOutsideTheAddressPage(stored(), "after the read");
    const EepromImage afterRead = stored();

    answerPromptAndMessages(1);
    press(kWriteButton);
    expectDefaultsOutsideTheAddressPage(stored(), "after the write");
    for (int p = 0; p < kPageCount; ++p) {
        if (p != kAddressPage) {
            EXPECT_EQ(pageBytes(stored(), p), pageBytes(afterRead, p)) << p;
        }
    }
    // Only the address page went out.
    EXPECT_EQ(port.sim().received().size(), kReadRequest.size() + 6 + 262 + 6);
}

// Cancelling a prompt: the port is not even opened.
struct Cancel {
    int button;
    int answer;  // what the prompt ended with: "Abbruch" and Esc give IdCancel
};
const Cancel kCancels[] = {
    {kReadButton, IdCancel}, {kReadButton, 0}, {kWriteButton, IdCancel}, {kWriteButton, 0}};

TEST_F(Transfers, CancelledPromptTouchesNoPort) {
    for (const Cancel& c : kCancels) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << ", answer " << c.answer);
        test_seams::reset();
        auto lines = std::make_shared<ScriptedPorts>();
        useLink(1, port.resolver(), ScriptedPorts::factory(lines));
        stored() = startImage();
        typeTheText();
        const std::string shown = addressShown();

        test_seams::answerNextModalDialog(c.answer);
        press(c.button);

        EXPECT_EQ(prompts().size(), 1u);
        EXPECT_TRUE(messages().empty());
        EXPECT_TRUE(lines->record.calls.empty());
        EXPECT_EQ(addressShown(), shown);
        const Bytes storedPage = pageBytes(stored(), kAddressPage);
        const Bytes before = pageBytes(startImage(), kAddressPage);
        if (c.button == kWriteButton) {
            // The dialog's text was taken before the prompt.
            EXPECT_EQ(storedPage, pageWithTypedText(startImage(), false));
        } else {
            EXPECT_EQ(storedPage, before);
        }
    }
    EXPECT_TRUE(port.sim().received().empty());
}

// Failures. After each, the next read goes through at once.
enum class PortSetup { SimFault, HeldElsewhere, NotATerminal, Unmapped };

struct FailureCase {
    const char* name;
    int button;
    PortSetup portSetup;
    SimFault fault;
    std::string shown;  // the one message
};

const FailureCase kFailures[] = {
    {"read, silent instrument", kReadButton, PortSetup::SimFault, SimFault::Silent,
     kTransferFailed},
    {"write, silent instrument", kWriteButton, PortSetup::SimFault, SimFault::Silent,
     kTransferFailed},
    {"read, short reply", kReadButton, PortSetup::SimFault, SimFault::Short, kTransferFailed},
    {"read, wrong check value", kReadButton, PortSetup::SimFault, SimFault::BadCheck,
     message("Fehler...", kMsgChecksumError)},
    {"write, wrong check value", kWriteButton, PortSetup::SimFault, SimFault::BadCheck,
     message("Fehler...", kMsgChecksumError)},
    {"read, wrong start bytes", kReadButton, PortSetup::SimFault, SimFault::BadStart,
     kTransferFailed},
    {"write, wrong start bytes", kWriteButton, PortSetup::SimFault, SimFault::BadStart,
     kTransferFailed},
    {"read, noise before the reply", kReadButton, PortSetup::SimFault, SimFault::Noise,
     kTransferFailed},
    {"write, status not 0", kWriteButton, PortSetup::SimFault, SimFault::Status,
     message("Fehler...", kMsgInstrumentError)},
    {"read, port held", kReadButton, PortSetup::HeldElsewhere, SimFault::None,
     message("Fehler...", kMsgOpenFailed)},
    {"write, port held", kWriteButton, PortSetup::HeldElsewhere, SimFault::None,
     message("Fehler...", kMsgOpenFailed)},
    {"read, no such port", kReadButton, PortSetup::Unmapped, SimFault::None,
     message("Fehler...", kMsgOpenFailed)},
    {"read, refuses settings", kReadButton, PortSetup::NotATerminal, SimFault::None,
     message("Fehler...", kMsgInitFailed)},
    {"write, refuses settings", kWriteButton, PortSetup::NotATerminal, SimFault::None,
     message("Fehler...", kMsgInitFailed)},
};

TEST_F(Transfers, FailuresShowTheirOneMessageAndLeaveThePortFree) {
    const std::filesystem::path plainFile = port.mappingFolder() / "plain-file";
    std::ofstream(plainFile) << "no serial port";
    port.link(9, plainFile);

    for (const FailureCase& f : kFailures) {
        SCOPED_TRACE(f.name);
        test_seams::reset();
        stored() = startImage();
        const std::string earlier = "Vorher\n\n\n\n";
        typeAddress(earlier);
        setId({}, {}, {});
        std::unique_ptr<scom> holder;
        switch (f.portSetup) {
            case PortSetup::SimFault:
                port.sim().setFault(f.fault);
                break;
            case PortSetup::HeldElsewhere:
                holder = std::make_unique<scom>(port.comNumber(), port.resolver(), instantClock());
                ASSERT_EQ(holder->open(), ScomResult::Ok);
                break;
            case PortSetup::NotATerminal:
                comLink().setPort(9);
                break;
            case PortSetup::Unmapped:
                comLink().setPort(3);
                break;
        }
        const EepromImage before = stored();

        answerPromptAndMessages(1);
        press(f.button);
        EXPECT_EQ(messages(), std::vector<std::string>{f.shown});
        EXPECT_FALSE(comLink().isOpen());
        if (f.button == kReadButton) {
            EXPECT_EQ(stored(), before);
            EXPECT_EQ(addressShown(), earlier);
        } else {
            // Back in host order and host characters, with the text taken.
            Bytes page = pageBytes(stored(), kAddressPage);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(page.data())), "Vorher");
            if (f.portSetup == PortSetup::SimFault) {
                const std::uint16_t sum = checkValue(std::span(page.data(), 254));
                EXPECT_EQ(page[254] | page[255] << 8, sum);
            }
        }

        // The port is free again at once.
        holder.reset();
        port.sim().setFault(SimFault::None);
        comLink().setPort(port.comNumber());
        test_seams::reset();
        answerPromptAndMessages(0);
        port.sim().clearReceived();
        press(kReadButton);
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(port.sim().received(), kReadRequest);
    }
    // Nothing is left locked on the file that refused its settings.
    const int fd = ::open(plainFile.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    ::close(fd);
}

// What the simulated instrument cannot do: a line that takes nothing in time, a port
// that will not close.
struct PortTrouble {
    const char* name;
    int button;
    bool lineStuck;
    bool closeFails;
    std::vector<std::string> shown;
    bool editsFilled;
};

Bytes demoPageReply() {
    return replyFrame(pageBytes(SimulatedComPort::demoDeviceImage(), kAddressPage));
}

TEST_F(Transfers, PortTroubleIsReported) {
    const PortTrouble kTroubles[] = {
        {"read, line stuck", kReadButton, true, false, {message("Fehler...", kMsgTimeout)}, false},
        {"write, line stuck",
         kWriteButton,
         true,
         false,
         {message("Fehler...", kMsgTimeout)},
         false},
        // The transfer itself went through and counts.
        {"read, close fails",
         kReadButton,
         false,
         true,
         {message("Fehler...", kMsgCloseFailed)},
         true},
        {"write, close fails",
         kWriteButton,
         false,
         true,
         {message("Fehler...", kMsgCloseFailed), kWriteDone},
         false},
    };
    for (const PortTrouble& t : kTroubles) {
        SCOPED_TRACE(t.name);
        test_seams::reset();
        typeAddress({});
        setId({}, {}, {});
        auto lines = std::make_shared<ScriptedPorts>();
        if (t.lineStuck) {
            lines->script.writes.push_back(Transfer{false, 0});
        }
        lines->script.closeFails = t.closeFails;
        lines->script.replies.push_back(t.button == kReadButton ? demoPageReply()
                                                                : replyFrame({0x00}));
        useLink(port.comNumber(), port.resolver(), ScriptedPorts::factory(lines));

        answerPromptAndMessages(static_cast<int>(t.shown.size()));
        press(t.button);
        EXPECT_EQ(messages(), t.shown);
        EXPECT_EQ(lines->record.openNow, 0);
        EXPECT_EQ(addressShown(), t.editsFilled ? kDemoAddress : std::string());
    }
}

}  // namespace
