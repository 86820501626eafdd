#pragma once
// A progress notice: a modeless dialog from a template, on screen and fully painted
// before the constructor returns, so that it stays readable while the caller blocks
// the event loop with a transfer. It offers no way out; input that reaches the program
// while it is up is dropped, not delivered to the main window afterwards. Destroying
// the object closes the notice.

#include <QPointer>

class QWidget;

namespace pemlar {

class TemplateDialog;

class ProgressNotice {
public:
    ProgressNotice(int templateId, QWidget* parent);
    ~ProgressNotice();
    ProgressNotice(const ProgressNotice&) = delete;
    ProgressNotice& operator=(const ProgressNotice&) = delete;

private:
    QPointer<TemplateDialog> dialog_;  // owned here; the parent may have deleted it
};

}  // namespace pemlar
