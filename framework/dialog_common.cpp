// The parts of Dialog that are the same on every back end: the handles it keeps.

#include <cstdio>
#include <cstdlib>

#include "framework/dialog.h"

namespace pemlar::fw {

Control* Dialog::findControl(int id) const {
    for (const std::unique_ptr<Control>& control : controls_) {
        if (control->id() == id) {
            return control.get();
        }
    }
    return nullptr;
}

void Dialog::missingControl(int id) const {
    // A template without a control the program relies on is a build fault, not
    // something a user can mend: say which, and stop before anything is touched.
    std::fprintf(stderr, "Pemlar: dialog %d has no usable control %d\n", templateId_, id);
    std::fflush(stderr);
    std::abort();
}

void Dialog::adopt(std::unique_ptr<Control> replacement) {
    for (std::unique_ptr<Control>& control : controls_) {
        if (control->id() == replacement->id()) {
            control = std::move(replacement);
            return;
        }
    }
    controls_.push_back(std::move(replacement));
}

}  // namespace pemlar::fw
