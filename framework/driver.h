#pragma once
// Drives the program's windows as a user would, for the GUI tests, which are written
// once and run on both back ends (Qt offscreen; Win32 under Wine). Input goes through
// the back end's own event or message path (a click is a press and release on the
// control, a key a key press to the focused window), so dialog-manager behaviour such
// as tab order, mnemonics and default buttons is part of what a test sees.

#include <chrono>
#include <string_view>

namespace pemlar::fw {

class Dialog;
class Window;

enum class Key { Tab, Return, Escape, Space, Up, Down, Left, Right, Home, End, Backspace, Delete };

struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

namespace driver {

// A left click in the middle of control `id` of `dialog`.
void click(Dialog& dialog, int id);
// Focuses control `id` and types `text` (Windows-1252; CR LF as Return) key by key.
void type(Dialog& dialog, int id, std::string_view text);
// A key to the window that has the keyboard.
void key(Key key, Modifiers modifiers = {});
// A letter key (e.g. 'a' with alt for a mnemonic) to the window that has the keyboard.
void letter(char letter, Modifiers modifiers = {});
// Chooses entry `index` of combo box `id` as the user does (a SelectionChanged follows
// when it differs from the current one).
void choose(Dialog& dialog, int id, int index);
// Opens the list of combo box `id` as the user does, then closes it again.
void dropDown(Dialog& dialog, int id);
// The id of the control of `dialog` that has the focus; 0 for none.
int focusedControl(const Dialog& dialog);
// Makes `window` the active window and waits until it is; false if it never became so.
bool activate(Window& window);
// Handles pending events, and keeps doing so for `duration`.
void processEvents(std::chrono::milliseconds duration = std::chrono::milliseconds(0));

}  // namespace driver

}  // namespace pemlar::fw
