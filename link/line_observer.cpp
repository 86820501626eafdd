#include "link/line_observer.h"

namespace pemlar {

const char* scomResultName(ScomResult result) {
    switch (result) {
        case ScomResult::Ok:
            return "Ok";
        case ScomResult::Timeout:
            return "Timeout";
        case ScomResult::TransferError:
            return "TransferError";
        case ScomResult::ChecksumError:
            return "ChecksumError";
        case ScomResult::OpenFailed:
            return "OpenFailed";
        case ScomResult::InitFailed:
            return "InitFailed";
        case ScomResult::CloseFailed:
            return "CloseFailed";
        case ScomResult::BadFrameStart:
            return "BadFrameStart";
        case ScomResult::InstrumentError:
            return "InstrumentError";
    }
    return "?";
}

}  // namespace pemlar
