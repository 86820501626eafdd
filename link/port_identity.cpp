#include "link/port_identity.h"

namespace pemlar {

std::string describePortIdentity(const PortIdentity& identity) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (!part.empty() && text.find(part) == std::string::npos) {
            text += (text.empty() ? "" : " ") + part;
        }
    };
    switch (identity.kind) {
        case PortKind::UsbAdapter:
        case PortKind::Acm:
            text = identity.kind == PortKind::Acm ? "USB (ACM)" : "USB";
            add(identity.manufacturer);
            add(identity.product);
            if (identity.manufacturer.empty() && identity.product.empty() &&
                !identity.vendorId.empty()) {
                add(identity.vendorId + ":" + identity.productId);
            }
            if (!identity.serial.empty()) {
                text += ", Seriennr. " + identity.serial;
            }
            return text;
        case PortKind::BuiltIn:
            return "eingebaute Schnittstelle";
        case PortKind::PseudoTerminal:
            return "Pseudo-Terminal";
        case PortKind::Other:
            break;
    }
    return identity.friendlyName;
}

std::string_view portKindName(PortKind kind) {
    switch (kind) {
        case PortKind::UsbAdapter:
            return "usb";
        case PortKind::Acm:
            return "acm";
        case PortKind::BuiltIn:
            return "builtin";
        case PortKind::PseudoTerminal:
            return "pty";
        case PortKind::Other:
            break;
    }
    return "other";
}

}  // namespace pemlar
