#pragma once
// The widget behind a control of a neutral dialog, for the Qt back end's own tests.

#include <QWidget>

#include "framework/dialog.h"

namespace pemlar {

template <class W = QWidget>
W* widgetOf(const fw::Dialog& dialog, int id) {
    const fw::Control* control = dialog.control(id);
    return control != nullptr ? qobject_cast<W*>(static_cast<QWidget*>(control->nativeHandle()))
                              : nullptr;
}

inline QWidget* widgetOf(const fw::Window& window) {
    return static_cast<QWidget*>(window.nativeHandle());
}

}  // namespace pemlar
