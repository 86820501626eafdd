#include "cli/trace_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "core/file_system.h"

namespace pemlar {

namespace {

constexpr std::size_t kBytesPerLine = 16;

std::string hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    char byte[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", bytes[i]);
        text += byte;
    }
    return text;
}

// A short frame on the line of its event, a long one below it with offsets.
std::string frameText(std::string head, std::span<const std::uint8_t> bytes) {
    if (bytes.size() <= kBytesPerLine) {
        return head + (bytes.empty() ? "" : ": " + hex(bytes)) + '\n';
    }
    head += ":\n";
    char offset[16];
    for (std::size_t at = 0; at < bytes.size(); at += kBytesPerLine) {
        std::snprintf(offset, sizeof offset, "    %04X  ", static_cast<unsigned>(at));
        head += offset + hex(bytes.subspan(at, std::min(kBytesPerLine, bytes.size() - at))) + '\n';
    }
    return head;
}

}  // namespace

std::string traceText(const LineEvent& e) {
    const std::string port = "COM" + std::to_string(e.port) + " ";
    const std::string result = scomResultName(e.result);
    switch (e.kind) {
        case LineEventKind::Open:
            return port + "öffnen " + e.device + ": " + result + '\n';
        case LineEventKind::Close:
            return port + "schließen: " + result + '\n';
        case LineEventKind::Sent:
            return frameText(port + "gesendet " + std::to_string(e.transferred) + " von " +
                                 std::to_string(e.bytes.size()) + " Bytes, " + result,
                             e.bytes);
        case LineEventKind::Received:
            return frameText(port + "empfangen " + std::to_string(e.bytes.size()) + " von " +
                                 std::to_string(e.expected) + " Bytes, " + result,
                             e.bytes);
        case LineEventKind::Pause:
            return port + "Pause " + std::to_string(e.pauseAsked) + " ms (" +
                   std::to_string(e.pausePassed) + " ms)\n";
    }
    return "?\n";
}

std::string traceTimeStamp() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    // Called under the trace's lock only, so localtime's shared result is safe here.
    const std::tm* local = std::localtime(&seconds);
    char text[64] = "?";
    if (local != nullptr) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d",
                      local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                      local->tm_min, local->tm_sec, static_cast<int>(millis));
    }
    return text;
}

bool TraceFile::open(const std::string& path) {
    // A FIFO would block the open, a device would take the text.
    bool empty = false;
    if (!platform::prepareAppendFile(path, empty).ok()) {
        return false;
    }
    file_.open(path, std::ios::binary | std::ios::app);
    return file_.is_open();
}

LineObserver TraceFile::observer() {
    return [this](const LineEvent& event) {
        const std::lock_guard<std::mutex> lock(mutex_);
        write(traceTimeStamp(), traceText(event));
    };
}

void TraceFile::note(std::string_view text) {
    const std::lock_guard<std::mutex> lock(mutex_);
    write(traceTimeStamp(), std::string(text) + '\n');
}

void TraceFile::write(std::string_view stamp, std::string_view text) {
    file_ << stamp << "  " << text << std::flush;
}

}  // namespace pemlar
