#pragma once
// What pemlar-cli returns; one number per kind of failure, listed in --help.

namespace pemlar {

enum class ExitStatus : int {
    Ok = 0,
    SomeFailed = 1,       // program --each: at least one instrument failed
    Usage = 2,            // the command line is wrong
    File = 3,             // a file or a text could not be read, written or taken
    Port = 4,             // the port could not be opened or set up
    Transfer = 5,         // time-out, transfer or checksum error, wrong frame start
    InstrumentError = 6,  // the instrument reported an error
    Mismatch = 7,         // what the instrument holds differs from what it should
    CloseFailed = 8,      // all went through, but the port would not close
};

}  // namespace pemlar
