#pragma once
// Every string-table message of the program goes through MsgBox: the caption and icon
// tell its kind.
//
//   kind         caption               icon         buttons
//   MsgWarning   12100 "Warnung..."    warning      OK
//   MsgError     12101 "Fehler..."     critical     OK
//   MsgInfo      12102 "Information..." information OK
//   MsgQuestion  12103 "Frage..."      question     Yes / No / Cancel
//
// MsgAsk asks as MsgQuestion does, with Yes and No only.

#include <cstdint>
#include <cstdio>
#include <string>

namespace pemlar {

namespace fw {
class Window;
}

enum MsgKind : std::uint8_t { MsgWarning = 0, MsgError = 1, MsgInfo = 2, MsgQuestion = 3 };

// String `id` in Windows-1252, at most 199 characters.
std::string msgBoxString(int id);
// Shows `text` (Windows-1252) modally, owned by `owner`; returns the id of the pressed
// button (IdOk, IdYes, IdNo, IdCancel). An unknown kind shows nothing and returns 0.
int showMsgBox(fw::Window* owner, MsgKind kind, const std::string& text);
// The same question with the buttons Yes and No; Escape and the close box answer IdNo.
int showYesNoBox(fw::Window* owner, const std::string& text);

// String `id`, as a printf format for the arguments if there are any, cut at 199.
template <class... Args>
std::string msgBoxText(int id, Args... args) {
    std::string format = msgBoxString(id);
    if constexpr (sizeof...(Args) == 0) {
        return format;
    } else {
        char text[200];
        std::snprintf(text, sizeof text, format.c_str(), args...);
        return text;
    }
}

// Shows string `id` of the string table. With arguments the string is a printf format
// for them and the result is cut at 199 characters; without, it is shown as it stands.
template <class... Args>
int MsgBox(fw::Window* owner, MsgKind kind, int id, Args... args) {
    return showMsgBox(owner, kind, msgBoxText(id, args...));
}

template <class... Args>
int MsgAsk(fw::Window* owner, int id, Args... args) {
    return showYesNoBox(owner, msgBoxText(id, args...));
}

}  // namespace pemlar
