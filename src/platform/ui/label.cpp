#include "ui/label.h"

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
    setText(text);
    setAccessibleName(text);
    if (buddy() != nullptr) {
        buddy()->setAccessibleName(text);
    }
}

void Label::setFont(const QString& face, bool bold, double points) {
    QFont font(face);
    font.setBold(bold);
    font.setPointSizeF(points);
    font.setStyleHint(QFont::SansSerif);  // the nearest installed face when this one is missing
    QLabel::setFont(font);
}

void set_label(Label& label, QWidget& box) {
    label.setBuddy(&box);
    box.setAccessibleName(label.text());
}

}  // namespace ui
