#include "platform/ui/spoken.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

namespace {

// Seen by the accessibility bus only: a child object of the window, not a widget, whose name
// is the last news. It claims to show each time it is raised, which a screen reader speaks.
class Notification final : public QObject {
public:
    explicit Notification(QWidget& window) : QObject(&window) {}
    QString text;
};

Notification* notification_of(const QWidget& window) {
    for (QObject* child : window.children()) {
        if (auto* notification = dynamic_cast<Notification*>(child)) {
            return notification;
        }
    }
    return nullptr;
}

class NotificationInterface final : public QAccessibleObject {
public:
    explicit NotificationInterface(Notification& notification) : QAccessibleObject(&notification) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Notification*>(object())->text : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

class WindowInterface final : public QAccessibleWidget {
public:
    WindowInterface(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + (notification() != nullptr ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        Notification* last = notification();
        if (last != nullptr && index == QAccessibleWidget::childCount()) {
            return QAccessible::queryAccessibleInterface(last);
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        Notification* last = notification();
        if (last != nullptr && child != nullptr && child->object() == last) {
            return QAccessibleWidget::childCount();
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    Notification* notification() const { return notification_of(*widget()); }
};

}  // namespace

void announce(const QWidget& control, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    QWidget& window = *control.window();
    Notification* notification = notification_of(window);
    if (notification == nullptr) {
        notification = new Notification(window);
        QAccessibleEvent created(notification, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
    notification->text = text;
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QAccessibleInterface* window_interface(QWidget* window, QAccessible::Role role) {
    return new WindowInterface(window, role);
}

QAccessibleInterface* notification_interface(QObject* object) {
    auto* notification = dynamic_cast<Notification*>(object);
    return notification != nullptr ? new NotificationInterface(*notification) : nullptr;
}

}  // namespace ui
