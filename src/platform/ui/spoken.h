// What a screen reader hears beyond what each widget tells of itself: the role of a form's
// window, and news that comes without any change of focus, such as a message line's caption.
#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace ui {

// Has a screen reader speak `text` at once as a notification of the window that holds
// `control`, wherever the focus is; nothing changes on the screen. Every call is news, the
// same text again included. Costs nothing while no assistive technology listens.
void announce(const QWidget& control, const QString& text);

// Runs `change` with the events it raises for `object` kept from a screen reader, for a caller
// that tells the reader of the change itself; the events of other objects pass. `change` must
// change no table model: the toolkit would apply such a change to its cache twice.
void unheard(const QObject& object, const std::function<void()>& change);

// The window's interface on the accessibility bus: `role` (Window for a frame, Dialog), with
// the window's notification as its last child once it has one.
QAccessibleInterface* window_interface(QWidget* window, QAccessible::Role role);
// The notification's interface, for the toolkit's factory; null for any other object.
QAccessibleInterface* notification_interface(QObject* object);

}  // namespace ui
