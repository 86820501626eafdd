#pragma once
// The serial link to the instrument: the port (probe, open, close, pause) and the
// framed EEPROM protocol over it. Operations that can fail return a ScomResult.
//
// Calling order: probe while closed; open; frame operations and pauses; close. The
// two transactions need an open port and leave it open. Nothing is ever retried.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "data/eeprom_image.h"
#include "link/line_observer.h"
#include "link/line_settings.h"
#include "link/port_failure.h"
#include "link/port_resolver.h"
#include "link/scom_clock.h"
#include "link/scom_result.h"
#include "link/serial_port.h"

namespace pemlar {

class scom {
public:
    explicit scom(std::int32_t port, PortResolver resolver = systemPortResolver(),
                  ScomClock clock = systemScomClock(),
                  SerialPortFactory ports = systemSerialPortFactory());
    ~scom();
    scom(const scom&) = delete;
    scom& operator=(const scom&) = delete;

    void setPort(std::int32_t port) { port_ = port; }  // takes effect at the next open
    std::int32_t getPort() const { return port_; }
    // The open port's handle, or kInvalidPortHandle.
    PortHandle getHandle() const;
    bool isOpen() const { return line_ != nullptr; }

    // True if COM<n> can be opened right now and is a serial device (a mapped file or
    // FIFO is not); a port held open elsewhere (or by this object) cannot be opened. Leaves the
    // port number and an open port alone.
    bool probe(std::int32_t n);
    // The same test, telling why COM<n> cannot be opened (result OpenFailed); nothing
    // when it can. lastFailure() is left alone.
    std::optional<pemlar::PortFailure> probeFailure(std::int32_t n);
    // Opens COM<port> and configures it for 9600 8N1, then discards whatever came in
    // while the port was closed. OpenFailed or InitFailed leave nothing open. An
    // already open port is closed first.
    ScomResult open();
    // Discards pending input and output and closes. CloseFailed also when nothing was
    // open; the port counts as closed afterwards either way.
    ScomResult close();
    // While kept, close() only discards both buffers and leaves the port open, and
    // open() of the open port only discards its input: a series holds the device (and
    // its lock) from the first open until keepOpen(false) and a close().
    void keepOpen(bool keep) { keepOpen_ = keep; }
    // Told about every open, close, frame and pause from now on; {} for no one.
    void setObserver(LineObserver observer) { observer_ = std::move(observer); }
    // Waits at least `ms` milliseconds (sleeping) and returns how many passed; at once
    // for 0 or less.
    std::int32_t pause(std::int32_t ms);
    // From the next open, waits for any reply at most `ms` (a probe that must not take
    // long): the read time-outs applied to the port say so; 0 lifts it.
    void setReadLimit(std::int32_t ms) { readLimit_ = ms; }

    // Frame operations. Writes: Ok, Timeout (no byte moved in time), TransferError
    // (call failed or partial). Reads add ChecksumError and BadFrameStart; a reply
    // that comes short, or not at all before 10 ms per byte + 1 s, is TransferError.
    ScomResult sendRequest(std::uint8_t command, std::uint8_t selector);
    // `page` 0..7; the data frame carries image bytes 256*page to 256*page+255.
    ScomResult sendPage(int page, const EepromImage& image);
    // Reads one reply of `frameLength` (7..262) bytes and, only if it passes, copies
    // its frameLength-6 payload bytes to `destination`, which must hold them.
    ScomResult receiveFrame(std::span<std::uint8_t> destination, int frameLength);
    ScomResult receivePage(int page, EepromImage& image);
    // Request 4, 300 ms, a 7-byte reply; `status` is written only on Ok.
    ScomResult queryStatus(std::uint8_t& status);
    // Request 3, 300 ms, a 15-byte reply with nine payload bytes.
    ScomResult queryNine(std::span<std::uint8_t, 9> destination);

    // The two transactions on the address page as it is on the line: device order, the
    // instrument's characters, nothing converted or recomputed.
    // Request 1, 600 ms, a 262-byte reply; `page` is written only on Ok.
    ScomResult readRawPage(Page page);
    // Request 2, 300 ms, the data frame, 1200 ms, then queryStatus: InstrumentError when
    // the status is not 0.
    ScomResult writeRawPage(ConstPage page);

    // readRawPage into image page 1, its lines converted to the host character set. On
    // any failure the image is left exactly as it was.
    ScomResult readEeprom(EepromImage& image);
    // The same, also keeping the page as it came in `received` (written only on Ok).
    ScomResult readEeprom(EepromImage& image, RawPage& received);
    // Recomputes the checksums and sends the address page by writeRawPage in device
    // order and the instrument's character set. On every outcome the image comes back
    // in host order and host characters.
    ScomResult writeEeprom(EepromImage& image);

    // The records the last open applied.
    const CommTimeouts& timeouts() const { return timeouts_; }
    const LineSettings& currentLineSettings() const { return dcb_; }

    // Why the latest operation that did not return Ok failed: its result, the step,
    // the system's code and text, the port and device. Operations that succeed leave
    // it as it was, so ask right after the failing call.
    const pemlar::PortFailure& lastFailure() const { return lastFailure_; }

private:
    std::unique_ptr<SerialPort> openLine(std::int32_t n, pemlar::PortFailure& why);
    ScomResult fail(ScomResult result, pemlar::PortFailure why);
    // A failure on the open port: the port's own reason when its call failed.
    ScomResult failOnLine(ScomResult result, pemlar::PortStep step, Transfer transfer = {},
                          std::size_t expected = 0);
    ScomResult writeFrame(std::span<const std::uint8_t> frame);
    ScomResult readFrame(std::span<std::uint8_t> frame, std::size_t& count);
    void tell(LineEvent event) const;
    bool configure(SerialPort& line);

    std::int32_t port_;
    CommTimeouts timeouts_{};
    LineSettings dcb_{};
    std::unique_ptr<SerialPort> line_;
    std::int32_t readLimit_ = 0;
    std::int32_t openPort_ = 0;  // the number and device line_ was opened as
    std::string openDevice_;
    pemlar::PortFailure lastFailure_;
    PortResolver resolver_;
    ScomClock clock_;
    SerialPortFactory ports_;
    bool keepOpen_ = false;
    LineObserver observer_;
};

}  // namespace pemlar
