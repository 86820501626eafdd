#pragma once
// What fw::Dialog is on Qt: a TemplateDialog, owned by the handle. Its Qt parent (the
// owner, or a frame it moved into) may delete it first, hence the guard.

#include <QPointer>

#include "framework/dialog.h"
#include "framework/qt/template_dialog.h"

namespace pemlar::fw {

struct Dialog::Native {
    QPointer<qt::TemplateDialog> widget;
};

}  // namespace pemlar::fw

namespace pemlar::fw::qt {

// The widget behind a window or control handle; null before it exists.
inline QWidget* widgetOf(const Window& window) {
    return static_cast<QWidget*>(window.nativeHandle());
}
inline QWidget* widgetOf(const Control& control) {
    return static_cast<QWidget*>(control.nativeHandle());
}

}  // namespace pemlar::fw::qt
