#pragma once
// A notice (e.g. "Bitte warten ...") shown for as long as the object lives, around a
// call that blocks the program. It is fully painted before the constructor returns, and
// blocks the other windows of the program: clicks and keys that arrive while it shows
// are dropped when it goes, so none of them starts another command. If it had the
// keyboard, its owner gets it back.

#include <memory>

#include "framework/dialog.h"

namespace pemlar::fw {

class Notice {
public:
    Notice(int templateId, Window* owner);
    ~Notice();
    Notice(const Notice&) = delete;
    Notice& operator=(const Notice&) = delete;

    Dialog& dialog() const { return *dialog_; }

private:
    std::unique_ptr<Dialog> dialog_;
};

}  // namespace pemlar::fw
