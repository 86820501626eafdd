// "&Auslesen " and "&Beschreiben": one whole transfer inside the command handler, with
// a prompt before it and a progress notice during it. The transfer blocks the event
// loop; the notice is painted before it starts.

#include "data/address_text.h"
#include "data/id_number.h"
#include "framework/dialog_results.h"
#include "framework/text_edit.h"
#include "framework/windows_text.h"
#include "link/scom.h"
#include "ui/instrument_chars.h"
#include "ui/msg_box.h"
#include "ui/pemlar_host.h"
#include "ui/progress_notice.h"
#include "ui/td_pemlare.h"

namespace {

constexpr int kReadPrompt = 2000;
constexpr int kReadProgress = 2001;
constexpr int kWritePrompt = 2002;
constexpr int kWriteProgress = 2003;

constexpr int kMsgTimeout = 10303;
constexpr int kMsgTransferError = 10304;
constexpr int kMsgChecksumError = 10305;
constexpr int kMsgCloseFailed = 10306;
constexpr int kMsgOpenFailed = 10307;
constexpr int kMsgInitFailed = 10308;
constexpr int kMsgInstrumentError = 10309;
constexpr int kMsgWriteDone = 10310;

enum class Direction { Read, Write };

// The message for a failed transaction, 0 for none. A reply with wrong start bytes is
// as much a failed transfer as a garbled one, and says so: ending silently would leave
// the user unable to tell a failed write from a cancelled one.
int transactionFailureMessage(ScomResult result, Direction direction) {
    switch (result) {
        case ScomResult::Timeout:
            return kMsgTimeout;
        case ScomResult::TransferError:
        case ScomResult::BadFrameStart:
            return kMsgTransferError;
        case ScomResult::ChecksumError:
            return kMsgChecksumError;
        case ScomResult::InstrumentError:
            return direction == Direction::Write ? kMsgInstrumentError : 0;
        default:
            return 0;
    }
}

// Opens the port, runs `transaction` and closes the port again, reporting every
// failure; returns the transaction's result (an open failure counts as one).
template <class Transaction>
ScomResult runTransfer(QWidget* owner, scom& com, Direction direction, Transaction transaction) {
    ScomResult result = com.open();
    if (result != ScomResult::Ok) {
        MsgBox(owner, MsgError, result == ScomResult::OpenFailed ? kMsgOpenFailed : kMsgInitFailed);
        return result;
    }
    result = transaction();
    if (result != ScomResult::Ok) {
        static_cast<void>(com.close());
        if (const int message = transactionFailureMessage(result, direction); message != 0) {
            MsgBox(owner, MsgError, message);
        }
        return result;
    }
    // The transfer itself went through: a port that will not close is reported, and
    // what was transferred still counts.
    if (com.close() != ScomResult::Ok) {
        MsgBox(owner, MsgError, kMsgCloseFailed);
    }
    return ScomResult::Ok;
}

}  // namespace

void TD_Pemlare::CmRead() {
    PemlarHost& host = app();
    scom& com = host.Com();

    TemplateDialog prompt(kReadPrompt, this);
    if (prompt.runModal() != IdOk) {
        return;
    }
    const ProgressNotice progress(kReadProgress, this);
    // Only the address page comes from the instrument; every other page of what the
    // read leaves behind holds the defaults.
    EepromImage working{};
    setDefaults(working);
    updateChecksums(working);
    const ScomResult result = runTransfer(this, com, Direction::Read,
                                          [&com, &working] { return com.readEeprom(working); });
    if (result != ScomResult::Ok) {
        return;
    }
    host.StoredImage() = working;
    setEditChars(AddressEdit, ::showAddressChars(addressBlock(working)));
    const IdNumberTexts id = ::showIdNumber(idBlock(working));
    setWindowText(IdNumberEdit, id.number);
    setWindowText(IdCodeEdit, id.code);
    setWindowText(IdDateEdit, id.date);
}

void TD_Pemlare::CmWrite() {
    PemlarHost& host = app();
    scom& com = host.Com();
    EepromImage& stored = host.StoredImage();

    // Taken before the prompt, so the stored image holds the dialog's text even when
    // the user goes no further.
    ::takeAddress(editChars(AddressEdit), addressBlock(stored));
    ::takeIdNumber({windowText(IdNumberEdit), windowText(IdCodeEdit), windowText(IdDateEdit)},
                   idBlock(stored));
    if (!confirmInstrumentChars(this, addressBlock(stored))) {
        return;
    }

    TemplateDialog prompt(kWritePrompt, this);
    if (prompt.runModal() != IdOk) {
        return;
    }
    const ProgressNotice progress(kWriteProgress, this);
    const ScomResult result = runTransfer(this, com, Direction::Write,
                                          [&com, &stored] { return com.writeEeprom(stored); });
    if (result == ScomResult::Ok) {
        MsgBox(this, MsgInfo, kMsgWriteDone);
    }
}
