#include "link/scom.h"

#include <algorithm>
#include <utility>

#include "data/address_block.h"
#include "data/charset.h"
#include "link/frames.h"

namespace pemlar {

namespace {

std::chrono::milliseconds budget(std::uint32_t perByte, std::uint32_t constant, std::size_t bytes) {
    return std::chrono::milliseconds(std::uint64_t{perByte} * bytes + constant);
}

void linesToDevice(EepromImage& image) {
    for (int line = 0; line < kLineCount; ++line) {
        toDeviceCharset(lineSlotOf(addressBlock(image), line));
    }
}

void linesToHost(EepromImage& image) {
    for (int line = 0; line < kLineCount; ++line) {
        toHostCharset(lineSlotOf(addressBlock(image), line));
    }
}

LineEvent lineEvent(LineEventKind kind, std::int32_t port, ScomResult result = ScomResult::Ok,
                    std::string device = {}) {
    LineEvent event;
    event.kind = kind;
    event.port = port;
    event.result = result;
    event.device = std::move(device);
    return event;
}

bool validPage(int page) {
    return page >= 0 && page < kPageCount;
}

}  // namespace

scom::scom(std::int32_t port, PortResolver resolver, ScomClock clock, SerialPortFactory ports)
    : port_(port),
      resolver_(std::move(resolver)),
      clock_(std::move(clock)),
      ports_(std::move(ports)) {}

scom::~scom() = default;

PortHandle scom::getHandle() const {
    return line_ ? line_->handle() : kInvalidPortHandle;
}

// COM<n> opened, not yet configured; nothing, with `why` filled in, when it cannot be.
std::unique_ptr<SerialPort> scom::openLine(std::int32_t n, pemlar::PortFailure& why) {
    why = {.result = ScomResult::OpenFailed,
           .step = pemlar::PortStep::Resolve,
           .kind = pemlar::FailureKind::NotFound,
           .port = n};
    const std::optional<std::string> device = resolver_ ? resolver_(n) : std::nullopt;
    if (!device) {
        return nullptr;
    }
    std::unique_ptr<SerialPort> line = ports_();
    if (!line || !line->open(*device)) {
        why = line ? line->failure() : pemlar::PortFailure{.step = pemlar::PortStep::Open};
        why.result = ScomResult::OpenFailed;
        why.port = n;
        why.device = *device;
        return nullptr;
    }
    why.device = *device;
    return line;
}

bool scom::probe(std::int32_t n) {
    return !probeFailure(n);
}

std::optional<pemlar::PortFailure> scom::probeFailure(std::int32_t n) {
    pemlar::PortFailure why;
    std::unique_ptr<SerialPort> line = openLine(n, why);
    if (!line) {
        return why;
    }
    // A mapped file or FIFO opens as well as a port does; it is still no port.
    if (!line->checkSerialDevice()) {
        const std::string device = std::move(why.device);
        why = line->failure();
        why.result = ScomResult::OpenFailed;
        why.port = n;
        why.device = device;
        line->close();
        return why;
    }
    line->close();
    return std::nullopt;
}

void scom::tell(LineEvent event) const {
    if (observer_) {
        observer_(event);
    }
}

ScomResult scom::open() {
    if (keepOpen_ && line_) {
        line_->purge(Buffers::Input);
        return ScomResult::Ok;
    }
    line_.reset();
    pemlar::PortFailure why;
    std::unique_ptr<SerialPort> line = openLine(port_, why);
    if (!line) {
        tell(lineEvent(LineEventKind::Open, port_, ScomResult::OpenFailed, why.device));
        return fail(ScomResult::OpenFailed, std::move(why));
    }
    if (!configure(*line)) {
        const std::string device = std::move(why.device);
        why = line->failure();
        why.port = port_;
        why.device = device;
        line->close();
        tell(lineEvent(LineEventKind::Open, port_, ScomResult::InitFailed, device));
        return fail(ScomResult::InitFailed, std::move(why));
    }
    tell(lineEvent(LineEventKind::Open, port_, ScomResult::Ok, why.device));
    // A reply or noise that came in while nobody listened would otherwise open the
    // next reply and fail it.
    line->purge(Buffers::Input);
    openPort_ = port_;
    openDevice_ = std::move(why.device);
    line_ = std::move(line);
    return ScomResult::Ok;
}

bool scom::configure(SerialPort& line) {
    timeouts_ = instrumentTimeouts();
    if (readLimit_ > 0) {
        // Windows' driver waits by these records, not by the budget a read is given.
        timeouts_.readTotalTimeoutMultiplier = 0;
        timeouts_.readTotalTimeoutConstant =
            std::min(timeouts_.readTotalTimeoutConstant, static_cast<std::uint32_t>(readLimit_));
    }
    dcb_ = instrumentLineSettings();
    // The definition names no handshake, so rebuilding from it switches the CTS flow
    // control of the first record off again.
    return line.setTimeouts(timeouts_) && line.setState(dcb_) &&
           line.buildState(instrumentDefinition(port_), dcb_) && line.setState(dcb_);
}

ScomResult scom::close() {
    if (!line_) {
        return fail(ScomResult::CloseFailed, {.step = pemlar::PortStep::Close, .port = port_});
    }
    if (keepOpen_) {
        line_->purge(Buffers::InputAndOutput);
        return ScomResult::Ok;
    }
    std::unique_ptr<SerialPort> line = std::move(line_);
    line->purge(Buffers::InputAndOutput);
    if (!line->close()) {
        pemlar::PortFailure why = line->failure();
        why.port = openPort_;
        why.device = openDevice_;
        tell(lineEvent(LineEventKind::Close, openPort_, ScomResult::CloseFailed, openDevice_));
        return fail(ScomResult::CloseFailed, std::move(why));
    }
    tell(lineEvent(LineEventKind::Close, openPort_, ScomResult::Ok, openDevice_));
    return ScomResult::Ok;
}

ScomResult scom::fail(ScomResult result, pemlar::PortFailure why) {
    why.result = result;
    lastFailure_ = std::move(why);
    return result;
}

ScomResult scom::failOnLine(ScomResult result, pemlar::PortStep step, Transfer transfer,
                            std::size_t expected) {
    pemlar::PortFailure why{.step = step};
    if (transfer.callFailed && line_) {
        why = line_->failure();
    }
    why.port = openPort_;
    why.device = openDevice_;
    why.transferred = transfer.count;
    why.expected = expected;
    return fail(result, std::move(why));
}

std::int32_t scom::pause(std::int32_t ms) {
    const std::uint32_t start = clock_.tickCount();
    for (;;) {
        // Unsigned difference taken as signed: correct across the counter's wrap.
        const auto elapsed = static_cast<std::int32_t>(clock_.tickCount() - start);
        if (elapsed >= ms) {
            LineEvent paused = lineEvent(LineEventKind::Pause, openPort_);
            paused.pauseAsked = ms;
            paused.pausePassed = elapsed;
            tell(std::move(paused));
            return elapsed;
        }
        clock_.sleepFor(static_cast<std::uint32_t>(std::int64_t{ms} - elapsed));
    }
}

ScomResult scom::writeFrame(std::span<const std::uint8_t> frame) {
    if (!line_) {
        return fail(ScomResult::TransferError, {.port = port_});
    }
    const Transfer sent =
        line_->write(frame, budget(timeouts_.writeTotalTimeoutMultiplier,
                                   timeouts_.writeTotalTimeoutConstant, frame.size()));
    ScomResult result = ScomResult::Ok;
    if (sent.callFailed || sent.count != frame.size()) {
        result =
            !sent.callFailed && sent.count == 0 ? ScomResult::Timeout : ScomResult::TransferError;
    }
    LineEvent written = lineEvent(LineEventKind::Sent, openPort_, result);
    written.bytes = frame;
    written.transferred = sent.count;
    tell(std::move(written));
    return result == ScomResult::Ok
               ? result
               : failOnLine(result, pemlar::PortStep::Write, sent, frame.size());
}

ScomResult scom::readFrame(std::span<std::uint8_t> frame, std::size_t& count) {
    if (!line_) {
        return fail(ScomResult::Timeout, {.port = port_});
    }
    const Transfer received =
        line_->read(frame, budget(timeouts_.readTotalTimeoutMultiplier,
                                  timeouts_.readTotalTimeoutConstant, frame.size()));
    count = std::min(received.count, frame.size());
    if (received.callFailed) {
        return failOnLine(ScomResult::Timeout, pemlar::PortStep::Read, received, frame.size());
    }
    if (received.count < frame.size()) {
        return failOnLine(ScomResult::TransferError, pemlar::PortStep::Read, received,
                          frame.size());
    }
    return ScomResult::Ok;
}

ScomResult scom::sendRequest(std::uint8_t command, std::uint8_t selector) {
    return writeFrame(buildRequestFrame(command, selector));
}

ScomResult scom::sendPage(int page, const EepromImage& image) {
    if (!validPage(page)) {
        return fail(ScomResult::TransferError, {.port = port_});
    }
    return writeFrame(buildDataFrame(pemlar::pageOf(image, page)));
}

ScomResult scom::receiveFrame(std::span<std::uint8_t> destination, int frameLength) {
    if (frameLength < kMinReplySize || frameLength > kMaxReplySize ||
        destination.size() < static_cast<std::size_t>(frameLength - kFrameOverhead)) {
        return fail(ScomResult::TransferError, {.port = port_});
    }
    std::array<std::uint8_t, kMaxReplySize> buffer{};
    const std::span<std::uint8_t> reply(buffer.data(), static_cast<std::size_t>(frameLength));
    std::size_t count = 0;
    ScomResult result = readFrame(reply, count);
    const bool readFailed = result != ScomResult::Ok;
    if (!readFailed) {
        result = checkReplyFrame(reply);
    }
    LineEvent came = lineEvent(LineEventKind::Received, openPort_, result);
    came.bytes = reply.first(count);
    came.expected = reply.size();
    tell(std::move(came));
    if (readFailed) {
        return result;
    }
    if (result != ScomResult::Ok) {
        return failOnLine(result, pemlar::PortStep::Read);
    }
    std::copy(reply.begin() + 4, reply.end() - 2, destination.begin());
    return ScomResult::Ok;
}

ScomResult scom::receivePage(int page, EepromImage& image) {
    if (!validPage(page)) {
        return fail(ScomResult::TransferError, {.port = port_});
    }
    return receiveFrame(pemlar::pageOf(image, page), kPageReplySize);
}

ScomResult scom::queryStatus(std::uint8_t& status) {
    if (const ScomResult result = sendRequest(kCommandQueryStatus, 0); result != ScomResult::Ok) {
        return result;
    }
    pause(kQueryPause);
    std::array<std::uint8_t, 1> payload{};
    if (const ScomResult result = receiveFrame(payload, kStatusReplySize);
        result != ScomResult::Ok) {
        return result;
    }
    status = payload[0];
    return ScomResult::Ok;
}

ScomResult scom::queryNine(std::span<std::uint8_t, 9> destination) {
    if (const ScomResult result = sendRequest(kCommandQueryNine, 0); result != ScomResult::Ok) {
        return result;
    }
    pause(kQueryPause);
    return receiveFrame(destination, kNineReplySize);
}

ScomResult scom::readRawPage(Page page) {
    if (const ScomResult result = sendRequest(kCommandReadPage, kAddressPage);
        result != ScomResult::Ok) {
        return result;
    }
    pause(kReadReplyPause);
    return receiveFrame(page, kPageReplySize);
}

ScomResult scom::writeRawPage(ConstPage page) {
    if (const ScomResult result = sendRequest(kCommandWritePage, kAddressPage);
        result != ScomResult::Ok) {
        return result;
    }
    pause(kAfterWriteRequestPause);
    if (const ScomResult result = writeFrame(buildDataFrame(page)); result != ScomResult::Ok) {
        return result;
    }
    pause(kAfterDataFramePause);
    std::uint8_t status = 0;
    if (const ScomResult result = queryStatus(status); result != ScomResult::Ok) {
        return result;
    }
    return status == 0 ? ScomResult::Ok
                       : failOnLine(ScomResult::InstrumentError, pemlar::PortStep::Read);
}

ScomResult scom::readEeprom(EepromImage& image) {
    RawPage received{};
    return readEeprom(image, received);
}

ScomResult scom::readEeprom(EepromImage& image, RawPage& received) {
    if (const ScomResult result = readRawPage(received); result != ScomResult::Ok) {
        return result;
    }
    std::copy(received.begin(), received.end(), pemlar::pageOf(image, kAddressPage).begin());
    linesToHost(image);
    return ScomResult::Ok;
}

ScomResult scom::writeEeprom(EepromImage& image) {
    updateChecksums(image);
    swapByteOrder(image);
    linesToDevice(image);
    const ScomResult result = writeRawPage(pemlar::pageOf(std::as_const(image), kAddressPage));
    linesToHost(image);
    swapByteOrder(image);
    return result;
}

}  // namespace pemlar
