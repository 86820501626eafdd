// "&Auslesen " and "&Beschreiben": one whole transfer inside the command handler, with
// a prompt before it and a progress notice during it. The transfer blocks the event
// loop; the notice is painted before it starts.

#include <string>

#include "core/transfer.h"
#include "data/address_text.h"
#include "data/id_number.h"
#include "data/windows1252.h"
#include "framework/dialog_results.h"
#include "framework/notice.h"
#include "framework/resource_ids.h"
#include "link/scom.h"
#include "ui/instrument_chars.h"
#include "ui/msg_box.h"
#include "ui/pemlar_host.h"
#include "ui/td_pemlare.h"

namespace pemlar {

namespace {

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

// Shows what went wrong in a transfer; true when it counts as done. The first read of a
// write is reported as a read.
bool reportTransfer(fw::Window* owner, const pemlar::TransferOutcome& outcome) {
    switch (outcome.failedStep) {
        case pemlar::TransferStep::None:
            return true;
        case pemlar::TransferStep::Open:
            MsgBox(owner, MsgError,
                   outcome.result == ScomResult::OpenFailed ? kMsgOpenFailed : kMsgInitFailed);
            return false;
        case pemlar::TransferStep::Read:
        case pemlar::TransferStep::Write: {
            const Direction direction = outcome.failedStep == pemlar::TransferStep::Read
                                            ? Direction::Read
                                            : Direction::Write;
            if (const int message = transactionFailureMessage(outcome.result, direction);
                message != 0) {
                MsgBox(owner, MsgError, message);
            }
            return false;
        }
        case pemlar::TransferStep::Close:
            // The transfer itself went through: a port that will not close is reported,
            // and what was transferred still counts.
            MsgBox(owner, MsgError, kMsgCloseFailed);
            return true;
    }
    return false;
}

bool holdsText(const std::string& text) {
    return text.find_first_not_of(' ') != std::string::npos;
}

}  // namespace

void TD_Pemlare::CmRead() {
    PemlarHost& host = app();
    scom& com = host.Com();

    fw::Dialog prompt(kReadPromptDialog, this);
    if (prompt.runModal() != IdOk) {
        return;
    }
    const fw::Notice progress(kReadProgressDialog, this);
    // Only the address page comes from the instrument; every other page of what the
    // read leaves behind holds the defaults.
    const pemlar::BackupStore backups = pemlar::userBackupStore();
    const pemlar::ReadOutcome read = pemlar::readAddressPage(com, &backups);
    if (!reportTransfer(this, read.transfer)) {
        WarnFailedBackup(read.backup);
        return;
    }
    AddressRead = true;
    const EepromImage& working = read.image;
    host.StoredImage() = working;
    AddressEdit->setChars(pemlar::showAddressChars(addressBlock(working)));
    const IdNumberTexts id = pemlar::showIdNumber(idBlockOf(working));
    IdNumberEdit->setText(id.number);
    IdCodeEdit->setText(id.code);
    IdDateEdit->setText(id.date);
    MarkAddressKept();
    WarnFailedBackup(read.backup);
}

void TD_Pemlare::CmWrite() {
    PemlarHost& host = app();
    scom& com = host.Com();
    EepromImage& stored = host.StoredImage();

    // Taken before the prompt, so the stored image holds the dialog's text even when
    // the user goes no further.
    pemlar::takeAddress(AddressEdit->chars(), addressBlock(stored));
    const IdNumberTexts id{IdNumberEdit->text(), IdCodeEdit->text(), IdDateEdit->text()};
    pemlar::takeIdNumber(id, idBlockOf(stored));
    if (!confirmInstrumentChars(this, addressBlock(stored))) {
        return;
    }

    fw::Dialog prompt(kWritePromptDialog, this);
    if (prompt.runModal() != IdOk) {
        return;
    }
    const fw::Notice progress(kWriteProgressDialog, this);
    // Before any read the instrument's own ID and the rest of its page are fetched and
    // kept, rather than overwritten with blanks and defaults.
    const pemlar::WriteRequest request{
        .readFirst = !AddressRead,
        .keepInstrumentId = !holdsText(id.number) && !holdsText(id.code) && !holdsText(id.date)};
    const pemlar::BackupStore backups = pemlar::userBackupStore();
    const pemlar::WriteOutcome written = pemlar::writeAddressPage(com, stored, request, &backups);
    if (reportTransfer(this, written.transfer)) {
        MarkAddressKept();
        MsgBox(this, MsgInfo, kMsgWriteDone);
    }
    WarnFailedBackup(written.backup);
}

// The safety net is gone unnoticed otherwise; once a run is enough to tell, and the
// transfer's own messages come first.
void TD_Pemlare::WarnFailedBackup(const pemlar::BackupOutcome& backup) {
    if (BackupWarned || backup.written() || backup.error.empty()) {
        return;
    }
    BackupWarned = true;
    MsgBox(this, MsgWarning, kMsgBackupFailed, windows1252FromSystemText(backup.error).c_str());
}

}  // namespace pemlar
