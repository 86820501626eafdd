#include "ui/msg_box.h"

#include "framework/qt/message_box.h"
#include "framework/qt/strings.h"
#include "framework/qt/windows_text.h"
#include "framework/resource_ids.h"

namespace pemlar {

namespace {

constexpr std::size_t kMaxChars = 199;

struct KindFacts {
    int captionId;
    MessageIcon icon;
    MessageButtons buttons;
};

constexpr KindFacts kKinds[] = {
    {kWarningCaption, MessageIcon::Warning, MessageButtons::Ok},
    {kErrorCaption, MessageIcon::Error, MessageButtons::Ok},
    {kInfoCaption, MessageIcon::Information, MessageButtons::Ok},
    {kQuestionCaption, MessageIcon::Question, MessageButtons::YesNoCancel},
};

}  // namespace

std::string msgBoxString(int id) {
    return toWindowsText(loadString(id)).substr(0, kMaxChars);
}

namespace {

int show(QWidget* owner, const KindFacts& facts, MessageButtons buttons, const std::string& text) {
    return showMessageBox(owner, fromWindowsText(text.substr(0, kMaxChars)),
                          fromWindowsText(msgBoxString(facts.captionId)), facts.icon, buttons);
}

}  // namespace

int showMsgBox(QWidget* owner, MsgKind kind, const std::string& text) {
    if (kind > MsgQuestion) {
        return 0;
    }
    return show(owner, kKinds[kind], kKinds[kind].buttons, text);
}

int showYesNoBox(QWidget* owner, const std::string& text) {
    return show(owner, kKinds[MsgQuestion], MessageButtons::YesNo, text);
}

}  // namespace pemlar
