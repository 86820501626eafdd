#include "cli/series_log.h"

#include "core/file_system.h"

namespace pemlar {

std::string csvField(std::string_view text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formula && text.find_first_of(";\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = formula ? "\"'" : "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string csvLine(const SeriesRecord& r) {
    return csvField(r.time) + ';' + csvField(r.id) + ';' + csvField(r.result) + ';' +
           csvField(r.port) + ';' + std::to_string(r.milliseconds) + ';' + csvField(r.version) +
           ';' + csvField(r.backup) + "\r\n";
}

bool SeriesLog::open(const std::string& path, std::string& why) {
    bool fresh = false;
    const FileOutcome usable = platform::prepareAppendFile(path, fresh);
    if (!usable.ok()) {
        why = usable.failure == FileFailure::NotRegularFile ? "keine normale Datei" : usable.reason;
        return false;
    }
    file_.open(path, std::ios::binary | std::ios::app);
    if (!file_) {
        return false;
    }
    if (fresh) {
        file_ << "\xEF\xBB\xBF" << kSeriesLogHeader << std::flush;
    }
    return static_cast<bool>(file_);
}

bool SeriesLog::append(const SeriesRecord& record) {
    file_ << csvLine(record) << std::flush;
    return static_cast<bool>(file_);
}

}  // namespace pemlar
