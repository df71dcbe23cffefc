#include "ui/label.h"

#include "ui/text_box.h"

namespace ui {

namespace {

// A text box takes the focus in the editor inside it, so the editor carries the name too.
void name_box(QWidget& box, const QString& name) {
    box.setAccessibleName(name);
    if (auto* text_box = dynamic_cast<TextBox*>(&box)) {
        text_box->editor()->setAccessibleName(name);
    }
}

}  // namespace

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
        name_box(*buddy(), text);
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
    name_box(box, label.text());
}

}  // namespace ui
