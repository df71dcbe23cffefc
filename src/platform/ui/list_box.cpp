#include "ui/list_box.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>

#include <algorithm>

#include "ui/application.h"
#include "vb/runtime_error.h"

namespace ui {

namespace {

struct Item {
    QString text;
    QString key;  // the text folded to lower case, computed once
};

Item make_item(const vb::String& text) {
    QString value = QString::fromStdU16String(text);
    QString key = value.toLower();
    return {std::move(value), std::move(key)};
}

bool item_before(const Item& a, const Item& b) {
    const int by_key = QString::compare(a.key, b.key, Qt::CaseSensitive);
    if (by_key != 0) {
        return by_key < 0;
    }
    return QString::compare(a.text, b.text, Qt::CaseSensitive) < 0;
}

}  // namespace

bool sorts_before(std::u16string_view a, std::u16string_view b) {
    return item_before(make_item(vb::String(a)), make_item(vb::String(b)));
}

class ListModel final : public QAbstractListModel {
public:
    bool sorted = false;
    std::vector<Item> items;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(items.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) {
            return {};
        }
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            return items[static_cast<std::size_t>(index.row())].text;
        }
        return {};
    }

    void add(Item item) {
        const auto at =
            sorted ? std::upper_bound(items.begin(), items.end(), item, item_before) : items.end();
        const int row = static_cast<int>(at - items.begin());
        beginInsertRows(QModelIndex(), row, row);
        items.insert(at, std::move(item));
        endInsertRows();
    }

    void add_all(std::vector<Item> batch) {
        beginResetModel();
        if (sorted) {
            std::stable_sort(batch.begin(), batch.end(), item_before);
            std::vector<Item> merged;
            merged.reserve(items.size() + batch.size());
            // On ties the items already there come first.
            std::merge(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
                       std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()),
                       std::back_inserter(merged), item_before);
            items = std::move(merged);
        } else {
            std::move(batch.begin(), batch.end(), std::back_inserter(items));
        }
        endResetModel();
    }

    void remove(int row) {
        beginRemoveRows(QModelIndex(), row, row);
        items.erase(items.begin() + row);
        endRemoveRows();
    }

    void clear() {
        beginResetModel();
        items.clear();
        endResetModel();
    }
};

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(std::make_unique<ListModel>()) {
    setModel(model_.get());
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListView::clicked, this, [this] {
        if (click_) {
            guarded(click_);
        }
    });
    connect(this, &QListView::doubleClicked, this, [this] {
        if (dbl_click_) {
            guarded(dbl_click_);
        }
    });
}

ListBox::~ListBox() {
    setModel(nullptr);
}

void ListBox::setSorted(bool sorted) {
    model_->sorted = sorted;
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
    setFlow(continued_in_columns ? QListView::TopToBottom : QListView::LeftToRight);
    setWrapping(continued_in_columns);
    setResizeMode(continued_in_columns ? QListView::Adjust : QListView::Fixed);
    setHorizontalScrollBarPolicy(continued_in_columns ? Qt::ScrollBarAsNeeded
                                                      : Qt::ScrollBarAlwaysOff);
}

void ListBox::AddItem(const vb::String& item) {
    model_->add(make_item(item));
}

void ListBox::AddItems(const std::vector<vb::String>& items) {
    std::vector<Item> batch;
    batch.reserve(items.size());
    for (const auto& item : items) {
        batch.push_back(make_item(item));
    }
    model_->add_all(std::move(batch));
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) {
        vb::raise(vb::kInvalidProcedureCall);
    }
    model_->remove(index);
}

void ListBox::Clear() {
    model_->clear();
}

int ListBox::ListCount() const {
    return model_->rowCount();
}

vb::String ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        return {};
    }
    return model_->items[static_cast<std::size_t>(index)].text.toStdU16String();
}

bool ListBox::Selected(int index) const {
    if (index < 0 || index >= ListCount()) {
        vb::raise(vb::kInvalidProcedureCall);
    }
    return selectionModel()->isSelected(model_->index(index));
}

void ListBox::setSelected(int index, bool selected) {
    if (index < 0 || index >= ListCount()) {
        vb::raise(vb::kInvalidProcedureCall);
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

int ListBox::ListIndex() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListBox::setListIndex(int index) {
    if (index < 0) {
        selectionModel()->clearCurrentIndex();
        return;
    }
    setCurrentIndex(model_->index(index));
}

void ListBox::onClick(std::function<void()> handler) {
    click_ = std::move(handler);
}

void ListBox::onDblClick(std::function<void()> handler) {
    dbl_click_ = std::move(handler);
}

}  // namespace ui
