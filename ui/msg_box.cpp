#include "ui/msg_box.h"

#include "framework/message_box.h"
#include "framework/strings.h"
#include "framework/windows_text.h"

namespace {

constexpr std::size_t kMaxChars = 199;

struct KindFacts {
    int captionId;
    MessageIcon icon;
    MessageButtons buttons;
};

constexpr KindFacts kKinds[] = {
    {12100, MessageIcon::Warning, MessageButtons::Ok},
    {12101, MessageIcon::Error, MessageButtons::Ok},
    {12102, MessageIcon::Information, MessageButtons::Ok},
    {12103, MessageIcon::Question, MessageButtons::YesNoCancel},
};

}  // namespace

std::string msgBoxString(int id) {
    return toWindowsText(loadString(id)).substr(0, kMaxChars);
}

int showMsgBox(QWidget* owner, MsgKind kind, const std::string& text) {
    if (kind > MsgQuestion) {
        return 0;
    }
    const KindFacts& facts = kKinds[kind];
    return showMessageBox(owner, fromWindowsText(text.substr(0, kMaxChars)),
                          fromWindowsText(msgBoxString(facts.captionId)), facts.icon,
                          facts.buttons);
}
