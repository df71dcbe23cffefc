// The list box: items in insertion order or sorted, single or extended selection, in one
// column or in one column continued in further columns with a horizontal scroll bar.
// The sorted order folds to lower case and compares by code point, ties broken by plain
// code point; an item equal to existing ones goes after them. Adding an item finds its
// place by binary search, so filling a list stays n log n.
#pragma once

#include <QListView>

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/ui/item_list.h"
#include "platform/vb/text.h"

namespace ui {

class ListModel;

class ListBox final : public QListView, public ItemList {
public:
    enum class MultiSelect { kNone, kSimple, kExtended };

    explicit ListBox(QWidget* parent);
    ~ListBox() override;

    void setSorted(bool sorted);  // before the first item is added
    void setMultiSelect(MultiSelect mode);
    void setColumns(bool continued_in_columns);

    void AddItem(const vb::String& item);  // at its sorted place, or at the end
    void RemoveItem(int index);
    void Clear();
    // Adds many at once, each at its place, with one layout of the view at the end. Merged
    // into a sorted list that has items, the batch leaves no item selected or current.
    void AddItems(std::span<const std::u16string_view> items);
    void AddItems(const std::vector<vb::String>& items);
    // Clear, then AddItems, as one change of the list: the view is told once, not twice.
    void ReplaceItems(std::span<const std::u16string_view> items);

    bool Selected(int index) const;  // an index beyond the items is an error
    void setSelected(int index, bool selected);
    int SelCount() const;

    // Click: the user clicked an item, or moved to or selected one by keyboard.
    void onClick(std::function<void()> handler);
    // DblClick: the user double-clicked an item, or pressed Enter on the current one.
    void onDblClick(std::function<void()> handler);

protected:
    int item_count() const override;
    QString item_text(int index) const override;
    int current_item() const override;
    // With single selection the current item is the selected one, so -1 also selects none.
    void choose_item(int index) override;

    void keyPressEvent(QKeyEvent* event) override;
    // Tells a screen reader which entries are selected, which it cannot ask the list itself.
    void focusInEvent(QFocusEvent* event) override;

private:
    void clicked_item();
    void double_clicked_item();
    void announce_selection();

    std::unique_ptr<ListModel> model_;
    std::function<void()> click_;
    std::function<void()> dbl_click_;
};

// The sorted order's comparison, shared with tests: true when `a` goes before `b`.
bool sorts_before(std::u16string_view a, std::u16string_view b);

}  // namespace ui
