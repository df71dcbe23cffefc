// The control of a form that holds the focus, by the name the form gave it: a text box's
// editor, which takes the focus, sits inside the named control.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/form.h"

inline QString focused_control(const ui::Form& form) {
    QWidget* widget = form.window()->focusWidget();
    while (widget != nullptr && widget->objectName().isEmpty()) {
        widget = widget->parentWidget();
    }
    return widget != nullptr ? widget->objectName() : QString();
}
