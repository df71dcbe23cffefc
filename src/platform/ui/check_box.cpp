#include "ui/check_box.h"

#include "ui/application.h"

namespace ui {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::stateChanged, this, [this] {
        if (click_) {
            guarded(click_);
        }
    });
}

vb::String CheckBox::Caption() const {
    return text().toStdU16String();
}

void CheckBox::setCaption(const vb::String& caption) {
    const QString text = QString::fromStdU16String(caption);
    setText(text);
    setAccessibleName(text);
}

int CheckBox::Value() const {
    return isChecked() ? 1 : 0;
}

void CheckBox::setValue(int value) {
    setChecked(value != 0);
}

void CheckBox::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

}  // namespace ui
