#pragma once
// The series log (program --each --log FILE): one CSV line per instrument, separated
// by semicolons as German spreadsheets expect, lines ended CR LF.

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace pemlar {

struct SeriesRecord {
    std::string time;  // "2026-12-07 23:59:01"
    std::string port;  // "COM7"
    std::string id;
    std::string result;
    std::int64_t milliseconds = 0;  // from the first read to the check
    std::string version;            // of pemlar-cli
    std::string backup;             // the backup file's name; empty when there is none
};

// The first three columns are those logs of earlier versions have, so old and new
// lines in one file still line up.
inline constexpr std::string_view kSeriesLogHeader =
    "Zeit;ID;Ergebnis;Port;Dauer (ms);Version;Sicherung\r\n";

// One field: quoted when it holds a separator, a quote or a line break, and when it
// begins like a formula (= + - @, tab, CR), then also behind an apostrophe: a
// spreadsheet evaluates a quoted formula all the same, but not one behind it.
std::string csvField(std::string_view text);

// The record as one line, CR LF included.
std::string csvLine(const SeriesRecord& record);

class SeriesLog {
public:
    // Appends to `path`; a new or empty file first gets a UTF-8 byte-order mark (so a
    // German Excel reads the umlauts) and the header. False when it can't be opened,
    // with the reason, when one is known, in `why` (German). A pipe or a device in the
    // file's place is refused without blocking.
    bool open(const std::string& path, std::string& why);
    // Written and flushed; false when the line did not reach the file.
    bool append(const SeriesRecord& record);

private:
    std::ofstream file_;
};

}  // namespace pemlar
