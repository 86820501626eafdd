#include "core/transfer.h"

#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/case_name.h"
#include "tests/support/fake_clock.h"
#include "tests/support/line_bytes.h"
#include "tests/support/scripted_port.h"
#include "tests/support/temp_folder.h"

namespace {

using pemlar::test::PrintTo;

using namespace pemlar;

constexpr int kIdAt = 125;

// The instrument's address page: plain ASCII lines, an ID, bytes 146-253 counting up.
Bytes instrumentPage() {
    Bytes page(kPageSize, 0);
    const std::string line = "Im Geraet";
    std::copy(line.begin(), line.end(), page.begin());
    const std::string id = "  PM-0815-42KAL 0324";
    std::copy(id.begin(), id.end(), page.begin() + kIdAt);
    for (int i = kPageRestOffset; i < kPageChecksumOffset; ++i) {
        page[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }
    return page;
}

class TransferTest : public ::testing::Test {
protected:
    scom& comLink() {
        if (!com_) {
            com_ = std::make_unique<scom>(
                3, [](std::int32_t) { return std::optional<std::string>("scripted"); },
                instantClock(), ScriptedPorts::factory(lines_));
        }
        return *com_;
    }
    PortScript& script() { return lines_->script; }
    const PortRecord& record() const { return lines_->record; }
    BackupStore backups() const { return {folder_.path() / "backups", {}, kBackupsKept}; }
    // The image the user wants written: their line and the ID edits' text.
    static EepromImage userImage() {
        EepromImage image{};
        setDefaults(image, {[] { return 1700000000u; }, [] { return std::uint8_t{0x5A}; }});
        const std::string line = "Vom Nutzer";
        std::copy(line.begin(), line.end(), image.begin() + kPageSize);
        const std::string id = "     NEU-1  ABC 0126";
        std::copy(id.begin(), id.end(), image.begin() + kPageSize + kIdAt);
        return image;
    }

    std::shared_ptr<ScriptedPorts> lines_ = std::make_shared<ScriptedPorts>();
    std::unique_ptr<scom> com_;
    TempFolder folder_;
};

struct StepCase {
    const char* name;
    void (*prepare)(PortScript&);
    TransferStep step;
    ScomResult result;
};

class ReadSteps : public TransferTest, public ::testing::WithParamInterface<StepCase> {};

// A backup that can't be written (a file where its folder should be) never changes
// what the read did.
TEST_P(ReadSteps, NameTheStepThatFailedAndNeverLeaveThePortOpen) {
    script().replies.push_back(replyFrame(instrumentPage()));
    GetParam().prepare(script());
    std::ofstream(folder_.path() / "backups") << "in the way";
    const BackupStore store = backups();
    const ReadOutcome read = readAddressPage(comLink(), &store);
    EXPECT_EQ(read.transfer.failedStep, GetParam().step);
    EXPECT_EQ(read.transfer.result, GetParam().result);
    // Every failure names the port in the user's words.
    EXPECT_EQ(read.transfer.reason.rfind("COM3 (scripted): ", 0) == 0,
              GetParam().step != TransferStep::None)
        << read.transfer.reason;
    EXPECT_EQ(record().openNow, 0);
    EXPECT_FALSE(read.backup.written());
    if (read.transfer.transferred()) {
        EXPECT_EQ(pageBytes(read.image, kAddressPage), instrumentPage());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSteps,
    ::testing::Values(StepCase{"Ok", [](PortScript&) {}, TransferStep::None, ScomResult::Ok},
                      StepCase{"Open", [](PortScript& s) { s.refuseOpen = true; },
                               TransferStep::Open, ScomResult::OpenFailed},
                      StepCase{"Read", [](PortScript& s) { s.replies.clear(); }, TransferStep::Read,
                               ScomResult::TransferError},
                      StepCase{"Close", [](PortScript& s) { s.closeFails = true; },
                               TransferStep::Close, ScomResult::CloseFailed}),
    pemlar::test::caseName);

// What a write before any read sends: the user's lines, the instrument's bytes 146-253,
// and the instrument's ID unless the user typed one.
struct KeepIdCase {
    const char* name;
    bool keepId;
};

class WriteFirstReads : public TransferTest, public ::testing::WithParamInterface<KeepIdCase> {};

TEST_P(WriteFirstReads, KeepsWhatTheUserCantEdit) {
    const bool keepId = GetParam().keepId;
    script().replies = {replyFrame(instrumentPage()), replyFrame({0})};
    EepromImage image = userImage();
    const BackupStore store = backups();
    const WriteOutcome write =
        writeAddressPage(comLink(), image, {.readFirst = true, .keepInstrumentId = keepId}, &store);
    ASSERT_EQ(write.transfer.failedStep, TransferStep::None);
    EXPECT_TRUE(write.backup.written());
    ASSERT_EQ(record().written.size(), 4u);  // read request, write request, page, status
    const Bytes device = instrumentPage();
    Bytes expected = pageBytes(userImage(), kAddressPage);
    const int kept = keepId ? kIdAt : kPageRestOffset;
    std::copy(device.begin() + kept, device.begin() + kPageChecksumOffset, expected.begin() + kept);
    const Bytes& sent = record().written[2];
    EXPECT_EQ(Bytes(sent.begin() + 4, sent.begin() + 4 + kPageChecksumOffset),
              Bytes(expected.begin(), expected.begin() + kPageChecksumOffset));
}

INSTANTIATE_TEST_SUITE_P(IdFromInstrumentOrUser, WriteFirstReads,
                         ::testing::Values(KeepIdCase{"UsersId", false},
                                           KeepIdCase{"InstrumentsId", true}),
                         pemlar::test::caseName);

TEST_F(TransferTest, AWriteWhoseFirstReadFailsWritesNothing) {
    script().replies.push_back(replyFrame(instrumentPage(), 1, 1));
    script().replies.front()[0] = 0x00;  // wrong start byte
    EepromImage image = userImage();
    const WriteOutcome write = writeAddressPage(comLink(), image, {.readFirst = true}, nullptr);
    EXPECT_EQ(write.transfer.failedStep, TransferStep::Read);
    EXPECT_EQ(write.transfer.result, ScomResult::BadFrameStart);
    EXPECT_EQ(record().written, std::vector<Bytes>{Bytes({0xAA, 0x55, 0x01, 0x01, 0x01, 0x01})});
    EXPECT_EQ(image, userImage());
    EXPECT_EQ(record().openNow, 0);
}

TEST_F(TransferTest, VerifyNamesWhatDiffers) {
    EepromImage expected{};
    setDefaults(expected);
    updateChecksums(expected);
    Bytes onDevice = pageBytes(expected, kAddressPage);
    std::swap(onDevice[kPageChecksumOffset], onDevice[kPageChecksumOffset + 1]);
    script().replies = {replyFrame(onDevice)};
    EXPECT_TRUE(verifyAddressPage(comLink(), expected, nullptr).comparison.matches());

    onDevice[25] = 'X';          // line 2
    onDevice[kIdAt + 20] = 'Y';  // the ID block's last byte
    script().replies = {replyFrame(onDevice)};
    const PageComparison differs = verifyAddressPage(comLink(), expected, nullptr).comparison;
    EXPECT_EQ(differs.lineDiffers, (std::array<bool, 5>{false, true, false, false, false}));
    EXPECT_TRUE(differs.idDiffers);
    EXPECT_FALSE(differs.restDiffers);
}

TEST_F(TransferTest, RestoreSendsThePageExactlyAsGiven) {
    RawPage raw{};
    for (std::size_t i = 0; i < raw.size(); ++i) {
        raw[i] = static_cast<std::uint8_t>(0x80 + i);  // device characters, no conversion
    }
    script().replies = {replyFrame({0})};
    EXPECT_EQ(restoreAddressPage(comLink(), raw).failedStep, TransferStep::None);
    ASSERT_EQ(record().written.size(), 3u);
    EXPECT_EQ(record().written[1],
              withCheckValue(concat({{0xAA, 0x55, 0x01, 0x00}, Bytes(raw.begin(), raw.end())})));
}

}  // namespace
