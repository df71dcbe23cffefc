#include "platform/ui/label.h"

#include "platform/ui/accessible_name.h"
#include "platform/ui/frame.h"
#include "platform/ui/spoken.h"

namespace ui {

Label::Label(QWidget* parent) : Captioned(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::caption_shown(const QString& caption) {
    if (buddy() != nullptr) {
        set_accessible_name(*buddy(), caption);
    }
    if (spoken_) {
        announce(*this, caption);
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
