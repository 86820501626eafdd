#pragma once

namespace pemlar {

// Results of modal dialogs and message boxes: the id of the button that ended them.

enum DialogResult : int {
    IdOk = 1,
    IdCancel = 2,
    IdYes = 6,
    IdNo = 7,
};

}  // namespace pemlar
