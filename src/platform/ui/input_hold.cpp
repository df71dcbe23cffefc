#include "platform/ui/input_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace ui {

namespace {

// The holds alive, and the one filter that they share.
int depth = 0;

class InputFilter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Wheel:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::ContextMenu:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::TabletPress:
            case QEvent::TabletRelease:
                return true;
            default:
                return false;
        }
    }
};

InputFilter* filter = nullptr;

}  // namespace

InputHold::InputHold() {
    if (depth++ == 0 && QCoreApplication::instance() != nullptr) {
        filter = new InputFilter;
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

InputHold::~InputHold() {
    if (--depth == 0 && filter != nullptr) {
        delete filter;  // removes itself from the application
        filter = nullptr;
    }
}

bool InputHold::active() {
    return depth > 0;
}

void release_input_holds() {
    delete filter;
    filter = nullptr;
}

}  // namespace ui
