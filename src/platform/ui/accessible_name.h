// The name a screen reader speaks for a control. A control that hands its focus on (a text
// box to the editor inside it) carries the name in both, since the reader names the widget
// that holds the focus.
#pragma once

#include <QString>
#include <QWidget>

namespace ui {

void set_accessible_name(QWidget& control, const QString& name);
// The widget's own name only, and only when it is new.
void set_own_accessible_name(QWidget& widget, const QString& name);

}  // namespace ui
