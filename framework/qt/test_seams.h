#pragma once
// Test seam: modal dialogs, message boxes and file pickers can be answered in advance.
// When an answer is queued for a kind of window, the next such window is not shown:
// the call is recorded and returns the answer at once. Without a queued answer the
// window runs for real. The program itself never queues anything.

#include <QString>
#include <vector>

namespace pemlar {

enum class SeamKind { ModalDialog, MessageBox, FilePicker };

struct SeamCall {
    SeamKind kind;
    int id;           // template id of a modal dialog; 0 otherwise
    QString caption;  // dialog caption, message box caption, file picker title
    QString text;     // message text; file picker filter (Qt form)
    int icon;         // MessageIcon of a message box; 0 otherwise
    int buttons;      // MessageButtons of a message box; FilePickerMode of a file picker
};

namespace test_seams {

// The next modal template dialog ends with `result` (IdOk, IdCancel, ...).
void answerNextModalDialog(int result);
// The next message box returns `buttonId` (IdOk, IdYes, IdNo, IdCancel).
void answerNextMessageBox(int buttonId);
// The next file picker returns `path`; an empty path means the user cancelled.
void answerNextFilePicker(const QString& path);

// Calls answered so far, oldest first.
const std::vector<SeamCall>& answeredCalls();
// Queued answers not yet taken.
int pendingAnswers();
// Forgets queued answers and recorded calls.
void reset();

// For the windows themselves: takes the queued answer of that kind, if any, and records
// the call. Returns false when nothing is queued: show the window.
bool takeAnswer(const SeamCall& call, int& answer);
bool takeFileAnswer(const SeamCall& call, QString& path);

}  // namespace test_seams

}  // namespace pemlar
