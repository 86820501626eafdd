#pragma once
// Test seam: modal dialogs, message boxes and file pickers can be answered in advance.
// When an answer is queued for a kind of window, the next such window is not shown:
// the call is recorded and returns the answer at once. Without a queued answer the
// window runs for real. The program itself never queues anything.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pemlar::fw {

enum class SeamKind { ModalDialog, MessageBox, FilePicker };

struct SeamCall {
    SeamKind kind;
    int id;               // template id of a modal dialog; 0 otherwise
    std::string caption;  // message box caption, file picker title, dialog caption (Windows-1252)
    std::string text;     // message text; file picker filter as given ("…|…|")
    int icon;             // MessageIcon of a message box; 0 otherwise
    int buttons;          // MessageButtons of a message box; FilePickerMode of a file picker
};

namespace test_seams {

// The next modal template dialog ends with `result` (IdOk, IdCancel, ...).
void answerNextModalDialog(int result);
// The next message box returns `buttonId` (IdOk, IdYes, IdNo, IdCancel).
void answerNextMessageBox(int buttonId);
// The next file picker returns `path`; nothing means the user cancelled.
void answerNextFilePicker(std::optional<std::filesystem::path> path);

// Calls answered so far, oldest first.
const std::vector<SeamCall>& answeredCalls();
// Queued answers not yet taken.
int pendingAnswers();
// Forgets queued answers and recorded calls.
void reset();

// For the back ends: takes the queued answer of that kind, if any, and records the
// call. False when nothing is queued: show the window.
bool takeAnswer(const SeamCall& call, int& answer);
bool takeFileAnswer(const SeamCall& call, std::optional<std::filesystem::path>& path);

}  // namespace test_seams

}  // namespace pemlar::fw
