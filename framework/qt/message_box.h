#pragma once
// The platform message box, answerable in advance by tests (test_seams.h).

#include <QString>

class QWidget;

namespace pemlar {

enum class MessageIcon { None, Warning, Error, Information, Question };
enum class MessageButtons { Ok, YesNoCancel, YesNo };

// Shows a modal message box owned by `owner` and returns the id of the pressed button
// (IdOk, IdYes, IdNo, IdCancel). Escape and the close box give IdOk with an OK button,
// IdCancel with Yes/No/Cancel and IdNo with Yes/No.
int showMessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                   MessageButtons buttons);

}  // namespace pemlar
