#pragma once
// What became of a file operation of the core: what failed and the operating system's
// own words for it.

#include <cstdint>
#include <string>

namespace pemlar {

enum class FileFailure : std::uint8_t {
    None,
    NotRegularFile,  // the target is a device, a pipe, a socket or a folder: left alone
    NotWritable,     // the target exists but may not be written
    CannotCreate,    // no new file could be made (folder missing or read-only, name taken)
    CannotWrite,     // writing or syncing the new file failed (disk full, I/O error)
    CannotReplace,   // the finished file could not take the target's place
};

struct FileOutcome {
    FileFailure failure = FileFailure::None;
    std::string reason;  // the operating system's message, "" when it gave none
    bool ok() const { return failure == FileFailure::None; }
};

}  // namespace pemlar
