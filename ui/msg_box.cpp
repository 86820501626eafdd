#include "ui/msg_box.h"

#include "framework/message_box.h"
#include "framework/resources.h"

namespace pemlar {

namespace {

constexpr std::size_t kMaxChars = 199;

struct KindFacts {
    int captionId;
    fw::MessageIcon icon;
    fw::MessageButtons buttons;
};

constexpr KindFacts kKinds[] = {
    {kWarningCaption, fw::MessageIcon::Warning, fw::MessageButtons::Ok},
    {kErrorCaption, fw::MessageIcon::Error, fw::MessageButtons::Ok},
    {kInfoCaption, fw::MessageIcon::Information, fw::MessageButtons::Ok},
    {kQuestionCaption, fw::MessageIcon::Question, fw::MessageButtons::YesNoCancel},
};

int show(fw::Window* owner, const KindFacts& facts, fw::MessageButtons buttons,
         const std::string& text) {
    return fw::messageBox(owner, std::string_view(text).substr(0, kMaxChars),
                          msgBoxString(facts.captionId), facts.icon, buttons);
}

}  // namespace

std::string msgBoxString(int id) {
    return fw::loadString(id).substr(0, kMaxChars);
}

int showMsgBox(fw::Window* owner, MsgKind kind, const std::string& text) {
    if (kind > MsgQuestion) {
        return 0;
    }
    return show(owner, kKinds[kind], kKinds[kind].buttons, text);
}

int showYesNoBox(fw::Window* owner, const std::string& text) {
    return show(owner, kKinds[MsgQuestion], fw::MessageButtons::YesNo, text);
}

}  // namespace pemlar
