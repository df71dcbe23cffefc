#include "platform/ui/label.h"

#include "platform/ui/accessible_name.h"
#include "platform/ui/frame.h"
#include "platform/ui/spoken.h"

namespace ui {

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

vb::String Label::Caption() const {
    return text().toStdU16String();
}

void Label::setCaption(const vb::String& caption) {
    const QString text = QString::fromStdU16String(caption);
    // The name first: a label without one tells of its new text itself, a second event.
    set_own_accessible_name(*this, text);
    setText(text);
    if (buddy() != nullptr) {
        set_accessible_name(*buddy(), text);
    }
    if (spoken_) {
        announce(*this, text);
    }
}

void Label::setFont(const QString& face, bool bold, double points) {
    QFont font(face);
    font.setBold(bold);
    font.setPointSizeF(points);
    // The nearest installed face when this one is missing.
    font.setStyleHint(QFont::SansSerif);
    QLabel::setFont(font);
}

void set_label(Label& label, QWidget& box) {
    label.setBuddy(&box);
    set_accessible_name(box, label.text());
}

void set_label(Frame& frame, QWidget& box) {
    frame.name_with_caption(box);
}

}  // namespace ui
