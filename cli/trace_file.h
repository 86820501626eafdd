#pragma once
// --trace FILE: what went over the line, appended to a file a technician can send in.
// Every open and close, every frame in hex with its length and result, every pause
// with the time it took, each line with a millisecond time stamp.

#include <fstream>
#include <mutex>
#include <string>
#include <string_view>

#include "link/line_observer.h"

namespace pemlar {

// One event as text, without its time stamp; longer frames take several lines (each
// ends with '\n'), 16 bytes to a line with their offset.
std::string traceText(const LineEvent& event);

// "2026-12-07 23:59:01.123", local time.
std::string traceTimeStamp();

class TraceFile {
public:
    // False (nothing open) when the file can't be appended to, or is no regular file.
    bool open(const std::string& path);
    // Shared by every station of a series: lines never interleave.
    LineObserver observer();
    // A line of the program's own: what was run, how it ended.
    void note(std::string_view text);

private:
    void write(std::string_view stamp, std::string_view text);
    std::mutex mutex_;
    std::ofstream file_;
};

}  // namespace pemlar
