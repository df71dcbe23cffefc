#include <gtest/gtest.h>

#include <QTest>

#include "ui/list_box.h"
#include "vb/runtime_error.h"

namespace {

std::vector<vb::String> items_of(const ui::ListBox& list) {
    std::vector<vb::String> items;
    for (int i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.List(i));
    }
    return items;
}

using Items = std::vector<vb::String>;

TEST(ListBox, SortedOrderFoldsCaseAndPutsBlanksFirst) {
    ui::ListBox list(nullptr);
    list.setSorted(true);
    for (const char16_t* item :
         {u"bob", u"Alice", u" Public", u"alice", u"Bob", u"  x", u"_z", u"[a", u"\u00e9t\u00e9"}) {
        list.AddItem(item);
    }
    // Folded to lower case, "[" and "_" come before the letters by code point.
    EXPECT_EQ(items_of(list), (Items{u"  x", u" Public", u"[a", u"_z", u"Alice", u"alice", u"Bob",
                                     u"bob", u"\u00e9t\u00e9"}));
}

TEST(ListBox, AnEqualItemGoesAfterTheOthersAndBatchesMatchOneByOne) {
    ui::ListBox one(nullptr), batch(nullptr);
    one.setSorted(true);
    batch.setSorted(true);
    const Items items{u"b", u"a", u"B", u"b", u"A", u"a "};
    for (const auto& item : items) {
        one.AddItem(item);
    }
    batch.AddItem(u"b");
    batch.AddItems(Items(items.begin() + 1, items.end()));
    EXPECT_EQ(items_of(one), (Items{u"A", u"a", u"a ", u"B", u"b", u"b"}));
    EXPECT_EQ(items_of(batch), items_of(one));
}

TEST(ListBox, UnsortedKeepsInsertionOrderAndReadsEmptyBeyondTheEnd) {
    ui::ListBox list(nullptr);
    list.AddItem(u"z");
    list.AddItem(u"a");
    EXPECT_EQ(items_of(list), (Items{u"z", u"a"}));
    EXPECT_EQ(list.List(2), u"");
    EXPECT_EQ(list.List(-1), u"");
    list.RemoveItem(0);
    EXPECT_EQ(items_of(list), (Items{u"a"}));
    EXPECT_THROW(list.RemoveItem(5), vb::RuntimeError);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
}

TEST(ListBox, ExtendedSelectionByClickCtrlAndShift) {
    QWidget window;
    window.resize(300, 400);
    auto* list = new ui::ListBox(&window);
    list->setGeometry(0, 0, 300, 400);
    list->setSorted(true);
    list->setMultiSelect(ui::ListBox::MultiSelect::kExtended);
    int clicks = 0;
    list->onClick([&] { ++clicks; });
    for (const char16_t* item : {u"a", u"b", u"c", u"d"}) {
        list->AddItem(item);
    }
    window.show();
    auto click = [&](int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
    };
    click(0);
    click(2, Qt::ControlModifier);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(0));
    EXPECT_FALSE(list->Selected(1));
    EXPECT_TRUE(list->Selected(2));
    click(3, Qt::ShiftModifier);
    EXPECT_TRUE(list->Selected(3));
    click(1);
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(clicks, 4);
    list->setSelected(3, true);
    EXPECT_EQ(list->SelCount(), 2);
}

TEST(ListBox, FillsThirtyTwoThousandSortedItems) {
    ui::ListBox list(nullptr);
    list.setSorted(true);
    for (int i = 32000; i > 0; --i) {
        const std::string number = std::to_string(i);
        list.AddItem(u"item " + vb::String(1, char16_t(i % 2 ? u'A' + i % 26 : u'a' + i % 26)) +
                     vb::String(number.begin(), number.end()));
    }
    ASSERT_EQ(list.ListCount(), 32000);
    for (int i = 1; i < list.ListCount(); ++i) {
        ASSERT_FALSE(ui::sorts_before(list.List(i), list.List(i - 1))) << i;
    }
}

}  // namespace
