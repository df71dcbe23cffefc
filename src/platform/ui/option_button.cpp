#include "ui/option_button.h"

#include "ui/application.h"

namespace ui {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && click_) {
            guarded(click_);
        }
    });
}

vb::String OptionButton::Caption() const {
    return text().toStdU16String();
}

void OptionButton::setCaption(const vb::String& caption) {
    const QString text = QString::fromStdU16String(caption);
    setText(text);
    setAccessibleName(text);
}

bool OptionButton::Value() const {
    return isChecked();
}

void OptionButton::setValue(bool value) {
    setChecked(value);
}

void OptionButton::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

}  // namespace ui
