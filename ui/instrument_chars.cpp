#include "ui/instrument_chars.h"

#include "data/charset.h"
#include "framework/dialog_results.h"
#include "framework/resource_ids.h"
#include "ui/msg_box.h"

namespace pemlar {

bool confirmInstrumentChars(fw::Window* owner, ConstAddressSlots lines) {
    const std::string changed = bytesTheInstrumentChanges(lines);
    if (changed.empty()) {
        return true;
    }
    std::string names;
    for (char c : changed) {
        names += names.empty() ? "" : ", ";
        names += c;
    }
    return MsgAsk(owner, kMsgUnshownChars, names.c_str()) == IdYes;
}

}  // namespace pemlar
