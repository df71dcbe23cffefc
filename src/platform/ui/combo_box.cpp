#include "ui/combo_box.h"

#include <QLineEdit>

#include "ui/application.h"

namespace ui {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
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

void ComboBox::AddItem(const vb::String& item) {
    const QString keep = isEditable() ? currentText() : QString();
    addItem(QString::fromStdU16String(item));
    if (isEditable()) {
        setEditText(keep);  // adding an item leaves the edit field as it was
    }
}

void ComboBox::Clear() {
    const QString keep = isEditable() ? currentText() : QString();
    clear();
    if (isEditable()) {
        setEditText(keep);
    }
}

int ComboBox::ListCount() const {
    return count();
}

vb::String ComboBox::List(int index) const {
    return index >= 0 && index < count() ? itemText(index).toStdU16String() : vb::String();
}

int ComboBox::ListIndex() const {
    return currentIndex();
}

void ComboBox::setListIndex(int index) {
    setCurrentIndex(index);
}

void ComboBox::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

void ComboBox::onChange(std::function<void()> handler) {
    change_ = std::move(handler);
}

}  // namespace ui
