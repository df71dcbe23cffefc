// What a screen reader hears beyond what each widget tells of itself: the role of a form's
// window, and news that comes without any change of focus, such as a message line's caption.
#pragma once

#include <QAccessible>
#include <QString>

class QObject;
class QWidget;

namespace ui {

// Has a screen reader speak `text` at once as a notification of the window that holds
// `control`, wherever the focus is; nothing changes on the screen. Every call is news, the
// same text again included. Costs nothing while no assistive technology listens.
void announce(const QWidget& control, const QString& text);

// The window's interface on the accessibility bus: `role` (Window for a frame, Dialog), with
// the window's notification as its last child once it has one.
QAccessibleInterface* window_interface(QWidget* window, QAccessible::Role role);
// The notification's interface, for the toolkit's factory; null for any other object.
QAccessibleInterface* notification_interface(QObject* object);

}  // namespace ui
