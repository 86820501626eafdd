#include "framework/win32/message_box_setup.h"

namespace pemlar::fw::win32 {

namespace {

constexpr std::uint32_t MB_OK = 0x00;
constexpr std::uint32_t MB_YESNOCANCEL = 0x03;
constexpr std::uint32_t MB_YESNO = 0x04;
constexpr std::uint32_t MB_ICONSTOP = 0x10;
constexpr std::uint32_t MB_ICONQUESTION = 0x20;
constexpr std::uint32_t MB_ICONEXCLAMATION = 0x30;
constexpr std::uint32_t MB_ICONINFORMATION = 0x40;

}  // namespace

std::uint32_t messageBoxFlags(MessageIcon icon, MessageButtons buttons) {
    std::uint32_t flags = MB_OK;
    switch (buttons) {
        case MessageButtons::YesNoCancel:
            flags = MB_YESNOCANCEL;
            break;
        case MessageButtons::YesNo:
            flags = MB_YESNO;
            break;
        case MessageButtons::Ok:
            break;
    }
    switch (icon) {
        case MessageIcon::Warning:
            return flags | MB_ICONEXCLAMATION;
        case MessageIcon::Error:
            return flags | MB_ICONSTOP;
        case MessageIcon::Information:
            return flags | MB_ICONINFORMATION;
        case MessageIcon::Question:
            return flags | MB_ICONQUESTION;
        case MessageIcon::None:
            break;
    }
    return flags;
}

}  // namespace pemlar::fw::win32
