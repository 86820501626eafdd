#pragma once

namespace pemlar {

// Outcome of every serial-port operation that can fail. The numbers are part of the
// interface: the read and write commands map them to their messages.

enum class ScomResult : int {
    Ok = 0,
    Timeout = 1,          // a frame write moved no byte in time, or the read call failed
    TransferError = 2,    // the write call failed or was partial; a reply came short
    ChecksumError = 3,    // a reply's check value is wrong
    OpenFailed = 4,       // the port cannot be opened
    InitFailed = 5,       // the port opened but refused a setting
    CloseFailed = 6,      // the port cannot be closed
    BadFrameStart = 7,    // a reply does not begin with 0xAA 0x55
    InstrumentError = 8,  // the instrument reported a non-zero status
};

}  // namespace pemlar
