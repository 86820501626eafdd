#include "framework/win32/message_box_setup.h"

#include "framework/win32/utf16.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace pemlar::fw::win32 {

namespace {

constexpr std::uint32_t MB_OK = 0x00;
constexpr std::uint32_t MB_YESNOCANCEL = 0x03;
constexpr std::uint32_t MB_YESNO = 0x04;
constexpr std::uint32_t MB_ICONSTOP = 0x10;
constexpr std::uint32_t MB_ICONQUESTION = 0x20;
constexpr std::uint32_t MB_ICONEXCLAMATION = 0x30;
constexpr std::uint32_t MB_ICONINFORMATION = 0x40;

struct KindFacts {
    int captionId;
    std::uint32_t flags;
};

KindFacts factsOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return {kWarningCaption, MB_ICONEXCLAMATION | MB_OK};
        case MessageKind::Error:
            return {kErrorCaption, MB_ICONSTOP | MB_OK};
        case MessageKind::Info:
            return {kInfoCaption, MB_ICONINFORMATION | MB_OK};
        case MessageKind::Question:
            return {kQuestionCaption, MB_ICONQUESTION | MB_YESNOCANCEL};
    }
    return {kErrorCaption, MB_ICONSTOP | MB_OK};
}

}  // namespace

MessageBoxCall messageBoxCall(MessageKind kind, std::string_view textUtf8) {
    const KindFacts facts = factsOf(kind);
    return {toUtf16(textUtf8), toUtf16(stringResource(facts.captionId)), facts.flags};
}

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

MessageBoxCall settingsWarningCall(std::string_view textUtf8) {
    return {toUtf16(textUtf8), u"Warning", MB_OK};
}

}  // namespace pemlar::fw::win32
