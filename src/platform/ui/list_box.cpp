#include "platform/ui/list_box.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/control_errors.h"
#include "platform/ui/spoken.h"
#include "platform/vb/runtime_error.h"

namespace ui {

namespace {

struct Item {
    QString text;
    QString key;  // the text folded to lower case, computed once; empty in an unsorted list
};

// Most items are plain ASCII without capitals, and then the text is its own key: a scan of
// the units is far cheaper than the toolkit's general case mapping.
QString sort_key(const QString& text) {
    const bool own_key = std::all_of(text.begin(), text.end(), [](QChar unit) {
        return unit.unicode() < 0x80 && (unit < u'A' || unit > u'Z');
    });
    return own_key ? text : text.toLower();
}

// An unsorted list never compares its items, and so needs no key.
Item make_item(std::u16string_view text, bool sorted) {
    QString value(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
    QString key = sorted ? sort_key(value) : QString();
    return {std::move(value), std::move(key)};
}

std::vector<Item> make_items(std::span<const std::u16string_view> texts, bool sorted) {
    std::vector<Item> items;
    items.reserve(texts.size());
    for (const auto text : texts) {
        items.push_back(make_item(text, sorted));
    }
    return items;
}

// UTF-16 code units in code point order: the units of a surrogate pair go after those of
// U+E000 to U+FFFF, as the characters they encode do.
char16_t code_point_order(QChar unit) {
    const char16_t u = unit.unicode();
    if (u >= 0xE000) {
        return static_cast<char16_t>(u - 0x800);
    }
    if (u >= 0xD800) {
        return static_cast<char16_t>(u + 0x2000);
    }
    return u;
}

// Negative, zero or positive as `a` goes before, ties with or goes after `b`.
int compare_by_code_point(const QString& a, const QString& b) {
    const auto [in_a, in_b] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (in_a != a.end() && in_b != b.end()) {
        return code_point_order(*in_a) - code_point_order(*in_b);
    }
    return (in_a != a.end()) - (in_b != b.end());
}

bool item_before(const Item& a, const Item& b) {
    const int by_key = compare_by_code_point(a.key, b.key);
    return by_key != 0 ? by_key < 0 : compare_by_code_point(a.text, b.text) < 0;
}

// The items in rows, kept in chunks of a few hundred: finding a row walks the chunk sizes,
// and an insertion or removal moves the items of one chunk only, so that a list of tens of
// thousands fills in n log n comparisons and little copying.
class ItemRows final {
public:
    int size() const { return size_; }

    const Item& at(int row) const {
        const auto [chunk, offset] = locate(row);
        return chunks_[chunk][offset];
    }

    // The row after every item that does not sort after `item`.
    int upper_bound(const Item& item) const {
        const auto chunk = std::partition_point(
            chunks_.begin(), chunks_.end(),
            [&](const std::vector<Item>& c) { return !item_before(item, c.back()); });
        int row = 0;
        for (auto c = chunks_.begin(); c != chunk; ++c) {
            row += static_cast<int>(c->size());
        }
        if (chunk != chunks_.end()) {
            row += static_cast<int>(
                std::upper_bound(chunk->begin(), chunk->end(), item, item_before) - chunk->begin());
        }
        return row;
    }

    void insert(int row, Item item) {
        if (chunks_.empty()) {
            chunks_.emplace_back();
        }
        auto [chunk, offset] =
            row == size_ ? std::pair(chunks_.size() - 1, chunks_.back().size()) : locate(row);
        auto& items = chunks_[chunk];
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(offset), std::move(item));
        ++size_;
        if (items.size() > 2 * kChunk) {
            std::vector<Item> upper(std::make_move_iterator(items.begin() + kChunk),
                                    std::make_move_iterator(items.end()));
            items.resize(kChunk);
            chunks_.insert(chunks_.begin() + static_cast<std::ptrdiff_t>(chunk) + 1,
                           std::move(upper));
        }
    }

    void erase(int row) {
        const auto [chunk, offset] = locate(row);
        auto& items = chunks_[chunk];
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(offset));
        --size_;
        if (items.empty()) {
            chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(chunk));
        }
    }

    void clear() {
        chunks_.clear();
        size_ = 0;
    }

    std::vector<Item> take_all() {
        std::vector<Item> all;
        all.reserve(static_cast<std::size_t>(size_));
        for (auto& chunk : chunks_) {
            std::move(chunk.begin(), chunk.end(), std::back_inserter(all));
        }
        clear();
        return all;
    }

    void assign(std::vector<Item> all) {
        clear();
        for (std::size_t from = 0; from < all.size(); from += kChunk) {
            const std::size_t to = std::min(all.size(), from + kChunk);
            chunks_.emplace_back(std::make_move_iterator(all.begin() + from),
                                 std::make_move_iterator(all.begin() + to));
        }
        size_ = static_cast<int>(all.size());
    }

private:
    static constexpr std::size_t kChunk = 256;

    std::pair<std::size_t, std::size_t> locate(int row) const {
        auto offset = static_cast<std::size_t>(row);
        std::size_t chunk = 0;
        while (offset >= chunks_[chunk].size()) {
            offset -= chunks_[chunk].size();
            ++chunk;
        }
        return {chunk, offset};
    }

    std::vector<std::vector<Item>> chunks_;  // none of them empty
    int size_ = 0;
};

// In columns, every column is as wide as the list, as one visible column is: a line wider
// than that is cut at the column's edge.
class ColumnDelegate final : public QStyledItemDelegate {
public:
    explicit ColumnDelegate(QListView& list) : QStyledItemDelegate(&list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {list_.viewport()->width(), QStyledItemDelegate::sizeHint(option, index).height()};
    }

private:
    QListView& list_;
};

}  // namespace

bool sorts_before(std::u16string_view a, std::u16string_view b) {
    return item_before(make_item(a, true), make_item(b, true));
}

class ListModel final : public QAbstractListModel {
public:
    bool sorted = false;
    ItemRows rows;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : rows.size();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows.size()) {
            return {};
        }
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            return rows.at(index.row()).text;
        }
        return {};
    }

    void add(Item item) {
        const int row = sorted ? rows.upper_bound(item) : rows.size();
        beginInsertRows(QModelIndex(), row, row);
        rows.insert(row, std::move(item));
        endInsertRows();
    }

    // Appended, or into an empty list, the batch is one insertion of rows; merged into
    // sorted items already there, it resets the list.
    void add_all(std::vector<Item> batch) {
        if (batch.empty()) {
            return;
        }
        if (sorted) {
            std::stable_sort(batch.begin(), batch.end(), item_before);
        }
        const int first = rows.size();
        if (!sorted || first == 0) {
            beginInsertRows(QModelIndex(), first, first + static_cast<int>(batch.size()) - 1);
            if (first == 0) {
                rows.assign(std::move(batch));
            } else {
                std::vector<Item> items = rows.take_all();
                std::move(batch.begin(), batch.end(), std::back_inserter(items));
                rows.assign(std::move(items));
            }
            endInsertRows();
            return;
        }
        beginResetModel();
        std::vector<Item> items = rows.take_all();
        std::vector<Item> merged;
        merged.reserve(items.size() + batch.size());
        // On ties the items already there come first.
        std::merge(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
                   std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()),
                   std::back_inserter(merged), item_before);
        rows.assign(std::move(merged));
        endResetModel();
    }

    // One change for the view to follow, as emptying the list and filling it again would
    // have left it.
    void replace_all(std::vector<Item> batch) {
        if (sorted) {
            std::stable_sort(batch.begin(), batch.end(), item_before);
        }
        beginResetModel();
        rows.assign(std::move(batch));
        endResetModel();
    }

    void remove(int row) {
        beginRemoveRows(QModelIndex(), row, row);
        rows.erase(row);
        endRemoveRows();
    }

    void clear() {
        beginResetModel();
        rows.clear();
        endResetModel();
    }
};

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(std::make_unique<ListModel>()) {
    setModel(model_.get());
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A line wider than the list is cut at its edge, without a mark: the blanks that fill a
    // login to its width are not to be seen.
    setTextElideMode(Qt::ElideNone);
    setColumns(false);
    connect(this, &QListView::clicked, this, &ListBox::clicked_item);
    connect(this, &QListView::doubleClicked, this, &ListBox::double_clicked_item);
}

ListBox::~ListBox() {
    setModel(nullptr);
}

void ListBox::setSorted(bool sorted) {
    model_->sorted = sorted;
    if (sorted) {
        std::vector<Item> items = model_->rows.take_all();
        for (Item& item : items) {
            item.key = sort_key(item.text);
        }
        model_->rows.assign(std::move(items));
    }
}

void ListBox::setMultiSelect(MultiSelect mode) {
    switch (mode) {
        case MultiSelect::kNone:
            setSelectionMode(QAbstractItemView::SingleSelection);
            break;
        case MultiSelect::kSimple:
            setSelectionMode(QAbstractItemView::MultiSelection);
            break;
        case MultiSelect::kExtended:
            setSelectionMode(QAbstractItemView::ExtendedSelection);
            break;
    }
}

void ListBox::setColumns(bool continued_in_columns) {
    setFlow(QListView::TopToBottom);
    if (continued_in_columns && dynamic_cast<ColumnDelegate*>(itemDelegate()) == nullptr) {
        setItemDelegate(new ColumnDelegate(*this));
    }
    setWrapping(continued_in_columns);
    setResizeMode(continued_in_columns ? QListView::Adjust : QListView::Fixed);
    setHorizontalScrollBarPolicy(continued_in_columns ? Qt::ScrollBarAsNeeded
                                                      : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(continued_in_columns ? Qt::ScrollBarAlwaysOff
                                                    : Qt::ScrollBarAsNeeded);
}

void ListBox::AddItem(const vb::String& item) {
    model_->add(make_item(item, model_->sorted));
}

void ListBox::AddItems(std::span<const std::u16string_view> items) {
    model_->add_all(make_items(items, model_->sorted));
}

void ListBox::AddItems(const std::vector<vb::String>& items) {
    const std::vector<std::u16string_view> views(items.begin(), items.end());
    AddItems(views);
}

void ListBox::ReplaceItems(std::span<const std::u16string_view> items) {
    model_->replace_all(make_items(items, model_->sorted));
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) {
        vb::raise(vb::kInvalidProcedureCall);
    }
    const bool was_current = index == ListIndex();
    model_->remove(index);
    // No item takes the place of the current one that went, as the view would have it.
    if (was_current) {
        setListIndex(-1);
    }
}

void ListBox::Clear() {
    model_->clear();
}

int ListBox::item_count() const {
    return model_->rowCount();
}

QString ListBox::item_text(int index) const {
    return model_->rows.at(index).text;
}

bool ListBox::Selected(int index) const {
    if (index < 0 || index >= ListCount()) {
        raise_invalid_property_array_index();
    }
    return selectionModel()->isSelected(model_->index(index));
}

void ListBox::setSelected(int index, bool selected) {
    if (index < 0 || index >= ListCount()) {
        raise_invalid_property_array_index();
    }
    const auto flags = selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
    if (selectionMode() == QAbstractItemView::SingleSelection && selected) {
        selectionModel()->setCurrentIndex(model_->index(index),
                                          QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->select(model_->index(index), flags);
    }
}

int ListBox::SelCount() const {
    return static_cast<int>(selectionModel()->selectedIndexes().size());
}

int ListBox::current_item() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListBox::choose_item(int index) {
    if (index == -1) {
        if (selectionMode() == QAbstractItemView::SingleSelection) {
            selectionModel()->clearSelection();
        }
        selectionModel()->clearCurrentIndex();
        return;
    }
    setCurrentIndex(model_->index(index));
}

void ListBox::clicked_item() {
    if (click_) {
        guarded(click_);
    }
}

void ListBox::double_clicked_item() {
    if (dbl_click_) {
        guarded(dbl_click_);
    }
}

// Moving to another item, or selecting one, by keyboard counts as a click; Enter on the
// current item as a double-click, so that the keyboard reaches what the mouse does.
void ListBox::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && dbl_click_) {
        if (current.isValid()) {
            double_clicked_item();
        }
        return;
    }
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    QListView::keyPressEvent(event);
    if (currentIndex() != current || selectionModel()->selectedIndexes() != selected) {
        clicked_item();
    }
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    if (QAccessible::isActive()) {
        // Once the focus has arrived, so that the reader names the list first.
        QMetaObject::invokeMethod(this, &ListBox::announce_selection, Qt::QueuedConnection);
    }
}

void ListBox::announce_selection() {
    if (!hasFocus()) {
        return;  // gone on meanwhile: the news would be of another control
    }
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        announce(*this, QStringLiteral("nothing selected"));
        return;
    }
    const QModelIndex first = *std::min_element(
        selected.begin(), selected.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString spoken = first.data().toString() + QStringLiteral(" selected");
    if (selected.size() > 1) {
        spoken += QStringLiteral(", and %1 more").arg(selected.size() - 1);
    }
    announce(*this, spoken);
}

void ListBox::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

void ListBox::onDblClick(std::function<void()> handler) {
    dbl_click_ = std::move(handler);
}

}  // namespace ui
