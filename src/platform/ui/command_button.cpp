#include "platform/ui/command_button.h"

#include <QKeyEvent>

#include <utility>

#include "platform/ui/application.h"
#include "platform/ui/input_hold.h"

namespace ui {

CommandButton::CommandButton(QWidget* parent) : Captioned(parent) {
    setAutoDefault(false);
    // Mouse and keys are held off at the source; a press from an assistive technology
    // comes as an action and is held off here, with the click that ends it a moment later.
    connect(this, &QPushButton::pressed, this,
            [this] { pressed_while_held_ = InputHold::active(); });
    connect(this, &QPushButton::clicked, this, [this] {
        if (std::exchange(pressed_while_held_, false)) {
            return;
        }
        if (click_) {
            guarded(click_);
        }
    });
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
