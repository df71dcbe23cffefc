#include "ui/frame.h"

#include "ui/accessible_name.h"

namespace ui {

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

vb::String Frame::Caption() const {
    return title().toStdU16String();
}

void Frame::setCaption(const vb::String& caption) {
    const QString text = QString::fromStdU16String(caption);
    setTitle(text);
    setAccessibleName(text);
    for (const QPointer<QWidget>& box : named_) {
        if (box != nullptr) {
            set_accessible_name(*box, text);
        }
    }
}

void Frame::name_with_caption(QWidget& box) {
    named_.emplace_back(&box);
    set_accessible_name(box, title());
}

}  // namespace ui
