#include "core/transfer.h"

#include <algorithm>

#include "data/address_block.h"

// A read keeps the page as it came and a restore sends one back as it was, neither by
// way of the host image: a backup must hold what came, and the character tables are not
// inverses.

namespace pemlar {

namespace {

// The failed step with the port's own account of it, phrased for the user.
TransferOutcome failedAt(const scom& com, TransferStep step, ScomResult result) {
    const pemlar::PortFailure& why = com.lastFailure();
    return {step, result, why.result == result ? describePortFailure(why) : std::string{}};
}

// Opens the port, runs `body` and closes the port again. After a failed transaction
// the close is only tidying up; after a good one a close failure is reported on its own.
template <class Body>
TransferOutcome onOpenPort(scom& com, Body body) {
    if (const ScomResult opened = com.open(); opened != ScomResult::Ok) {
        return failedAt(com, TransferStep::Open, opened);
    }
    TransferOutcome outcome = body();
    if (!outcome.transferred()) {
        static_cast<void>(com.close());
        return outcome;
    }
    if (com.close() != ScomResult::Ok) {
        return failedAt(com, TransferStep::Close, ScomResult::CloseFailed);
    }
    return outcome;
}

// Reads on an open port into `read`, backing the page up; the outcome's step is Read.
TransferOutcome readOnOpenPort(scom& com, ReadOutcome& read, const BackupStore* backups) {
    const ScomResult result = com.readEeprom(read.image, read.received);
    if (result != ScomResult::Ok) {
        return failedAt(com, TransferStep::Read, result);
    }
    if (backups != nullptr) {
        read.backup = keepBackup(*backups, read.received);
    }
    return {};
}

void prepareWorkingImage(EepromImage& image, const ImageSources& sources) {
    setDefaults(image, sources);
    updateChecksums(image);
}

}  // namespace

ReadOutcome readAddressPage(scom& com, const BackupStore* backups, const ImageSources& sources) {
    ReadOutcome read;
    prepareWorkingImage(read.image, sources);
    read.transfer = onOpenPort(com, [&] { return readOnOpenPort(com, read, backups); });
    return read;
}

void keepInstrumentPage(EepromImage& image, const EepromImage& instrument, bool keepId) {
    const ConstPage from = pageOf(instrument, kAddressPage);
    const Page to = pageOf(image, kAddressPage);
    const int first = keepId ? kIdBlockOffset : kPageRestOffset;
    std::copy(from.begin() + first, from.begin() + kPageChecksumOffset, to.begin() + first);
}

WriteOutcome writeAddressPage(scom& com, EepromImage& image, const WriteRequest& request,
                              const BackupStore* backups) {
    WriteOutcome write;
    write.transfer = onOpenPort(com, [&]() -> TransferOutcome {
        if (request.readFirst) {
            ReadOutcome read;
            prepareWorkingImage(read.image, systemImageSources());
            TransferOutcome first = readOnOpenPort(com, read, backups);
            write.backup = read.backup;
            if (!first.transferred()) {
                return first;
            }
            keepInstrumentPage(image, read.image, request.keepInstrumentId);
        }
        const ScomResult result = com.writeEeprom(image);
        return result == ScomResult::Ok ? TransferOutcome{}
                                        : failedAt(com, TransferStep::Write, result);
    });
    return write;
}

bool PageComparison::matches() const {
    return std::none_of(lineDiffers.begin(), lineDiffers.end(), [](bool d) { return d; }) &&
           !idDiffers && !restDiffers;
}

PageComparison compareAddressPages(const EepromImage& expected, const EepromImage& actual) {
    PageComparison comparison;
    for (int line = 0; line < kLineCount; ++line) {
        const ConstLineSlot want = lineSlotOf(addressBlock(expected), line);
        const ConstLineSlot got = lineSlotOf(addressBlock(actual), line);
        comparison.lineDiffers[static_cast<std::size_t>(line)] =
            !std::equal(want.begin(), want.begin() + lineLength(want), got.begin(),
                        got.begin() + lineLength(got));
    }
    const ConstIdBlock wantId = idBlockOf(expected);
    comparison.idDiffers = !std::equal(wantId.begin(), wantId.end(), idBlockOf(actual).begin());
    const ConstPage want = pageOf(expected, kAddressPage);
    const ConstPage got = pageOf(actual, kAddressPage);
    // The checksum is little-endian in `expected`, as it came (big-endian) in `actual`.
    comparison.restDiffers =
        !std::equal(want.begin() + kPageRestOffset, want.begin() + kPageChecksumOffset,
                    got.begin() + kPageRestOffset) ||
        want[kPageChecksumOffset] != got[kPageChecksumOffset + 1] ||
        want[kPageChecksumOffset + 1] != got[kPageChecksumOffset];
    return comparison;
}

VerifyOutcome verifyAddressPage(scom& com, const EepromImage& expected,
                                const BackupStore* backups) {
    VerifyOutcome verify;
    verify.read = readAddressPage(com, backups);
    if (verify.read.transfer.transferred()) {
        verify.comparison = compareAddressPages(expected, verify.read.image);
    }
    return verify;
}

TransferOutcome restoreAddressPage(scom& com, const RawPage& raw) {
    return onOpenPort(com, [&]() -> TransferOutcome {
        const ScomResult result = com.writeRawPage(raw);
        return result == ScomResult::Ok ? TransferOutcome{}
                                        : failedAt(com, TransferStep::Write, result);
    });
}

}  // namespace pemlar
