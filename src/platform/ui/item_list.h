// The list members that the list box, the combo box and the drive list share, written once:
// how many items, an item's text and the current item. Each control says how it counts,
// reads and chooses its items; the combo box's form of that is ComboList's.
#pragma once

#include <QComboBox>
#include <QString>

#include "platform/vb/text.h"

namespace ui {

class ItemList {
public:
    virtual ~ItemList() = default;

    int ListCount() const { return item_count(); }
    vb::String List(int index) const;                 // the empty text beyond the last item
    int ListIndex() const { return current_item(); }  // -1 when none
    // -1 chooses none; beyond that and the items, "Invalid property value" (380).
    virtual void setListIndex(int index);

protected:
    virtual int item_count() const = 0;
    virtual QString item_text(int index) const = 0;
    virtual int current_item() const = 0;
    virtual void choose_item(int index) = 0;
};

// A list in a combo box: its items and current index are the toolkit's own.
class ComboList : public QComboBox, public ItemList {
public:
    explicit ComboList(QWidget* parent) : QComboBox(parent) {}

protected:
    int item_count() const override { return count(); }
    QString item_text(int index) const override { return itemText(index); }
    int current_item() const override { return currentIndex(); }
    void choose_item(int index) override { setCurrentIndex(index); }
};

}  // namespace ui
