#pragma once
// The instrument's side of the protocol, without any I/O: bytes from the line go in,
// the bytes of its reply come out. It keeps the EEPROM as the instrument does, in
// device byte order with the address lines in code page 437.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "data/eeprom_image.h"

namespace pemlar {

// Ways the instrument can misbehave on request.
enum class SimFault {
    None,
    Silent,    // not in programming mode: never answers, stores nothing
    BadStart,  // replies begin with 0x55 0xAA instead of 0xAA 0x55
    BadCheck,  // replies carry a wrong check value
    Short,     // replies lose their last byte
    Status,    // a write fails inside the instrument: status 1, page not stored
    Noise,     // three stray bytes precede every reply
    Corrupt,   // a written page is stored with its first byte changed, status 0 all the same
};

// "silent", "bad-start", "bad-check", "short", "status", "noise", "corrupt"; "none" for None.
std::optional<SimFault> parseSimFault(std::string_view name);
std::string_view simFaultName(SimFault fault);

// What the instrument answers to command 3.
inline constexpr std::string_view kSimNineBytes = "PML V1.42";
// Status after a data frame that arrived damaged.
inline constexpr std::uint8_t kSimStatusBadFrame = 2;
// Status under SimFault::Status.
inline constexpr std::uint8_t kSimStatusWriteFailed = 1;

class SimulatedInstrument {
public:
    explicit SimulatedInstrument(const EepromImage& deviceImage, SimFault fault = SimFault::None);

    // Takes bytes as they come off the line, in any pieces, and returns what the
    // instrument sends back (often nothing). Garbage is skipped until a valid
    // request frame starts.
    std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes);
    // The line has been quiet for a while: a frame begun and not finished is dropped.
    void lineIdle();

    const EepromImage& image() const { return image_; }
    // True once after each page the instrument stored.
    bool takeImageChanged();
    void setFault(SimFault fault) { fault_ = fault; }
    SimFault fault() const { return fault_; }

private:
    std::optional<std::vector<std::uint8_t>> takeFrame();
    std::vector<std::uint8_t> answer(std::uint8_t command, std::uint8_t selector);
    std::vector<std::uint8_t> misbehave(std::vector<std::uint8_t> reply) const;
    void storePage(std::span<const std::uint8_t> frame);

    EepromImage image_;
    SimFault fault_;
    std::vector<std::uint8_t> pending_;
    std::optional<int> awaitedPage_;  // after a write request, the page its data frame fills
    std::uint8_t status_ = 0;
    bool changed_ = false;
};

}  // namespace pemlar
