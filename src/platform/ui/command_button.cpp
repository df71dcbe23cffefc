#include "ui/command_button.h"

#include <QKeyEvent>

#include "ui/application.h"

namespace ui {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (click_) {
            guarded(click_);
        }
    });
}

vb::String CommandButton::Caption() const {
    return text().toStdU16String();
}

void CommandButton::setCaption(const vb::String& caption) {
    const QString text = QString::fromStdU16String(caption);
    setText(text);
    setAccessibleName(text);
}

void CommandButton::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

void CommandButton::Click() {
    if (isEnabled()) {
        click();
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace ui
