#include "ui/frame.h"

namespace ui {

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

vb::String Frame::Caption() const {
    return title().toStdU16String();
}

void Frame::setCaption(const vb::String& caption) {
    const QString text = QString::fromStdU16String(caption);
    setTitle(text);
    setAccessibleName(text);
}

}  // namespace ui
