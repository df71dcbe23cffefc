#include "platform/ui/combo_box.h"

#include <QSignalBlocker>

#include "platform/ui/application.h"

namespace ui {

ComboBox::ComboBox(QWidget* parent) : ComboList(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this] {
        if (click_) {
            guarded(click_);
        }
    });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (change_) {
            guarded(change_);
        }
    });
}

void ComboBox::setStyle(Style style) {
    setEditable(style == Style::kDropDownCombo);
}

vb::String ComboBox::Text() const {
    return currentText().toStdU16String();
}

void ComboBox::setText(const vb::String& text) {
    if (isEditable()) {
        setEditText(QString::fromStdU16String(text));
    } else {
        setCurrentIndex(findText(QString::fromStdU16String(text)));
    }
}

// Adding an item chooses none and leaves the edit field as it was; Qt would choose the
// first item added.
void ComboBox::AddItem(const vb::String& item) {
    const int chosen = currentIndex();
    const QString keep = isEditable() ? currentText() : QString();
    const QSignalBlocker quiet(this);
    addItem(QString::fromStdU16String(item));
    setCurrentIndex(chosen);
    if (isEditable()) {
        setEditText(keep);
    }
}

// Empties the list and the edit field both.
void ComboBox::Clear() {
    clear();
    if (isEditable()) {
        setEditText(QString());
    }
}

void ComboBox::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

void ComboBox::onChange(std::function<void()> handler) {
    change_ = std::move(handler);
}

}  // namespace ui
