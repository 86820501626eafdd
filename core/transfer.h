#pragma once
// What a front end runs against the instrument: read, write, verify and restore the
// address page, each inside one open port (opened and closed here). Nothing is shown;
// every operation returns what failed, at which step and, where known, why. The port
// is the one `com` is set to: the caller picks it by number (scom::setPort), or maps a
// device path to a number through the resolver it gave `com`.

#include <array>
#include <cstdint>
#include <string>

#include "core/backups.h"
#include "data/eeprom_image.h"
#include "link/scom.h"

namespace pemlar {

enum class TransferStep : std::uint8_t {
    None,   // everything went through
    Open,   // scom::open; result OpenFailed or InitFailed
    Read,   // the read transaction
    Write,  // the write transaction
    Close,  // only the close failed: what was transferred still counts
};

struct TransferOutcome {
    TransferStep failedStep = TransferStep::None;
    ScomResult result = ScomResult::Ok;  // what the failed step returned
    std::string reason;                  // the operating system's own words, when known
    // The transaction went through (a port that would not close afterwards included).
    bool transferred() const {
        return failedStep == TransferStep::None || failedStep == TransferStep::Close;
    }
};

struct ReadOutcome {
    TransferOutcome transfer;
    // On success: the defaults on every page, the address page as read (lines in the
    // host character set, page checksum in device order, as scom::readEeprom leaves it).
    EepromImage image{};
    RawPage received{};    // the address page exactly as it came over the line
    BackupOutcome backup;  // written only for a page received, and only with a store
};

// Reads the address page into a fresh image that holds the defaults elsewhere. With a
// store, the page received is kept there first; a failed backup does not fail the read.
ReadOutcome readAddressPage(scom& com, const BackupStore* backups,
                            const ImageSources& sources = systemImageSources());

struct WriteRequest {
    // Fetch the instrument's page first (in the same open port) and keep from it what
    // the user can't edit: bytes 146-253, and the ID block unless keepInstrumentId is
    // false. Everything is written only when that read went through.
    bool readFirst = false;
    bool keepInstrumentId = true;
};

struct WriteOutcome {
    TransferOutcome transfer;  // failedStep Read: the first read failed, nothing was written
    BackupOutcome backup;      // of the page the first read received
};

// Writes the address page of `image` (scom::writeEeprom: checksums recomputed, image
// restored afterwards). With readFirst the instrument's page is merged into `image`
// before (see keepInstrumentPage), also when the write itself then fails.
WriteOutcome writeAddressPage(scom& com, EepromImage& image, const WriteRequest& request,
                              const BackupStore* backups);

// Copies from a page as read (`instrument`, lines in host characters) into `image`'s
// address page: bytes 146-253, and the ID block (125-145) when keepId.
void keepInstrumentPage(EepromImage& image, const EepromImage& instrument, bool keepId);

inline constexpr int kPageRestOffset = 146;  // first byte after the ID block
inline constexpr int kPageChecksumOffset = 254;

struct PageComparison {
    std::array<bool, 5> lineDiffers{};  // each line's text up to its zero byte
    bool idDiffers = false;             // the 21 bytes of the ID block
    bool restDiffers = false;           // bytes 146-253 and the page checksum
    bool matches() const;
};

// Compares the address page of `expected` (host order, as after a write) with one read
// back (`actual`, as readAddressPage leaves it: checksum in device order).
PageComparison compareAddressPages(const EepromImage& expected, const EepromImage& actual);

struct VerifyOutcome {
    ReadOutcome read;
    PageComparison comparison;  // meaningful only when read.transfer.transferred()
};

// Reads the page back and compares it with `expected`'s address page.
VerifyOutcome verifyAddressPage(scom& com, const EepromImage& expected, const BackupStore* backups);

// Writes `page` exactly as given (a backup: device order and device characters, its
// checksum as stored) by scom::writeRawPage, the transaction under scom::writeEeprom.
TransferOutcome restoreAddressPage(scom& com, const RawPage& page);

}  // namespace pemlar
