#include "sim/instrument.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pemlar {

namespace {

constexpr std::uint8_t kStart0 = 0xAA;
constexpr std::uint8_t kStart1 = 0x55;
constexpr std::size_t kRequestSize = 6;
constexpr std::size_t kDataFrameSize = kPageSize + 6;

struct FaultName {
    SimFault fault;
    std::string_view name;
};
constexpr std::array<FaultName, 8> kFaultNames{{
    {SimFault::None, "none"},
    {SimFault::Silent, "silent"},
    {SimFault::BadStart, "bad-start"},
    {SimFault::BadCheck, "bad-check"},
    {SimFault::Short, "short"},
    {SimFault::Status, "status"},
    {SimFault::Noise, "noise"},
    {SimFault::Corrupt, "corrupt"},
}};

std::uint16_t sum16(std::span<const std::uint8_t> bytes) {
    std::uint32_t sum = 0;
    for (const std::uint8_t byte : bytes) {
        sum += byte;
    }
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

bool checkValueFits(std::span<const std::uint8_t> frame) {
    const std::size_t size = frame.size();
    const std::uint16_t stated = static_cast<std::uint16_t>(frame[size - 2] << 8 | frame[size - 1]);
    return stated == sum16(frame.first(size - 2));
}

std::vector<std::uint8_t> replyFrame(std::uint8_t command, std::uint8_t selector,
                                     std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> frame{kStart0, kStart1, command, selector};
    frame.insert(frame.end(), payload.begin(), payload.end());
    const std::uint16_t check = sum16(frame);
    frame.push_back(static_cast<std::uint8_t>(check >> 8));
    frame.push_back(static_cast<std::uint8_t>(check & 0xFF));
    return frame;
}

}  // namespace

std::optional<SimFault> parseSimFault(std::string_view name) {
    for (const FaultName& entry : kFaultNames) {
        if (entry.name == name) {
            return entry.fault;
        }
    }
    return std::nullopt;
}

std::string_view simFaultName(SimFault fault) {
    for (const FaultName& entry : kFaultNames) {
        if (entry.fault == fault) {
            return entry.name;
        }
    }
    return "none";
}

SimulatedInstrument::SimulatedInstrument(const EepromImage& deviceImage, SimFault fault)
    : image_(deviceImage), fault_(fault) {}

bool SimulatedInstrument::takeImageChanged() {
    return std::exchange(changed_, false);
}

void SimulatedInstrument::lineIdle() {
    pending_.clear();
    awaitedPage_.reset();
}

std::vector<std::uint8_t> SimulatedInstrument::receive(std::span<const std::uint8_t> bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::vector<std::uint8_t> out;
    while (std::optional<std::vector<std::uint8_t>> frame = takeFrame()) {
        if (awaitedPage_) {
            storePage(*frame);
            continue;
        }
        const std::vector<std::uint8_t> reply = answer((*frame)[2], (*frame)[3]);
        out.insert(out.end(), reply.begin(), reply.end());
    }
    return out;
}

// The next complete frame off the line: the data frame when one is awaited (taken
// whole, good or bad, as the instrument counts bytes), else a request. Bytes that
// cannot begin a valid request are dropped one at a time.
std::optional<std::vector<std::uint8_t>> SimulatedInstrument::takeFrame() {
    const auto takeFirst = [this](std::size_t size) {
        std::vector<std::uint8_t> frame(pending_.begin(), pending_.begin() + size);
        pending_.erase(pending_.begin(), pending_.begin() + size);
        return frame;
    };
    if (awaitedPage_) {
        if (pending_.size() < kDataFrameSize) {
            return std::nullopt;
        }
        return takeFirst(kDataFrameSize);
    }
    for (;;) {
        pending_.erase(pending_.begin(), std::find(pending_.begin(), pending_.end(), kStart0));
        if (pending_.size() >= 2 && pending_[1] != kStart1) {
            pending_.erase(pending_.begin());
            continue;
        }
        if (pending_.size() < kRequestSize) {
            return std::nullopt;
        }
        if (checkValueFits(std::span(pending_).first(kRequestSize))) {
            return takeFirst(kRequestSize);
        }
        pending_.erase(pending_.begin());
    }
}

std::vector<std::uint8_t> SimulatedInstrument::answer(std::uint8_t command, std::uint8_t selector) {
    if (fault_ == SimFault::Silent) {
        return {};
    }
    switch (command) {
        case 1:
            if (selector >= kPageCount) {
                return {};
            }
            return misbehave(replyFrame(command, selector, pageOf(image_, selector)));
        case 2:
            if (selector < kPageCount) {
                awaitedPage_ = selector;
            }
            return {};
        case 3: {
            const auto* nine = reinterpret_cast<const std::uint8_t*>(kSimNineBytes.data());
            return misbehave(replyFrame(command, selector, {nine, kSimNineBytes.size()}));
        }
        case 4: {
            const std::uint8_t status =
                fault_ == SimFault::Status ? kSimStatusWriteFailed : status_;
            return misbehave(replyFrame(command, selector, std::span(&status, 1)));
        }
        default:
            return {};
    }
}

void SimulatedInstrument::storePage(std::span<const std::uint8_t> frame) {
    const int target = *awaitedPage_;
    awaitedPage_.reset();
    if (fault_ == SimFault::Silent) {
        return;
    }
    if (frame[0] != kStart0 || frame[1] != kStart1 || !checkValueFits(frame)) {
        status_ = kSimStatusBadFrame;
        return;
    }
    if (fault_ == SimFault::Status) {
        return;
    }
    std::copy(frame.begin() + 4, frame.end() - 2, pageOf(image_, target).begin());
    if (fault_ == SimFault::Corrupt) {
        pageOf(image_, target)[0] ^= 0x01;  // a worn cell: the write "succeeds"
    }
    status_ = 0;
    changed_ = true;
}

std::vector<std::uint8_t> SimulatedInstrument::misbehave(std::vector<std::uint8_t> reply) const {
    switch (fault_) {
        case SimFault::BadStart:
            // The swapped start bytes have the same sum: only the start is wrong.
            std::swap(reply[0], reply[1]);
            break;
        case SimFault::BadCheck:
            reply.back() ^= 0x01;
            break;
        case SimFault::Short:
            reply.pop_back();
            break;
        case SimFault::Noise:
            reply.insert(reply.begin(), {0x00, 0xFF, 0x13});
            break;
        default:
            break;
    }
    return reply;
}

}  // namespace pemlar
