#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "run_time_error.h"
#include "ui/list_box.h"

namespace {

using Items = std::vector<vb::String>;

Items items_of(const ui::ListBox& list) {
    Items items;
    for (int i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.List(i));
    }
    return items;
}

TEST(ListBox, SortedOrderFoldsCaseAndPutsBlanksFirst) {
    ui::ListBox list(nullptr);
    list.setSorted(true);
    for (const char16_t* item : {u"bob", u"Alice", u" Public", u"alice", u"Bob", u"  x", u"_z",
                                 u"[a", u"\u00e9t\u00e9", u"", u"\U0001F600", u"\uFF21"}) {
        list.AddItem(item);
    }
    // Folded to lower case, "[" and "_" come before the letters by code point, and a
    // character beyond U+FFFF after every other.
    EXPECT_EQ(items_of(list), (Items{u"", u"  x", u" Public", u"[a", u"_z", u"Alice", u"alice",
                                     u"Bob", u"bob", u"\u00e9t\u00e9", u"\uFF21", u"\U0001F600"}));
}

TEST(ListBox, TheSortedOrderTable) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        bool a_first;
    };
    for (const Case c : {Case{u" Public", u"A", true},
                         {u"A", u"a", true},
                         {u"a", u"B", true},
                         {u"Z", u"a", false},
                         {u"a", u"a", false},
                         {u"ab", u"a", false},
                         {u"\u00C9b", u"\u00E9a", false},
                         {u"\uFFFD", u"\U00010000", true},
                         {u"", u" ", true}}) {
        EXPECT_EQ(ui::sorts_before(c.a, c.b), c.a_first)
            << vb::to_utf8(c.a) << " / " << vb::to_utf8(c.b);
    }
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
    list.AddItems({u"m", u"b"});
    EXPECT_EQ(items_of(list), (Items{u"z", u"a", u"m", u"b"}));
    EXPECT_EQ(list.List(4), u"");
    EXPECT_EQ(list.List(-1), u"");
    list.RemoveItem(0);
    EXPECT_EQ(items_of(list), (Items{u"a", u"m", u"b"}));
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST(ListBox, ReplacingTheItemsLeavesWhatClearingAndAddingLeaves) {
    for (const bool sorted : {false, true}) {
        ui::ListBox replaced(nullptr), refilled(nullptr);
        for (ui::ListBox* list : {&replaced, &refilled}) {
            list->setSorted(sorted);
            list->AddItems({u"x", u"y", u"z"});
            list->setListIndex(1);
        }
        const std::vector<std::u16string_view> items{u"c", u"A", u"b"};
        replaced.ReplaceItems(items);
        refilled.Clear();
        refilled.AddItems(items);
        EXPECT_EQ(items_of(replaced), items_of(refilled));
        EXPECT_EQ(replaced.ListIndex(), -1);
        EXPECT_EQ(replaced.SelCount(), 0);
        // The items are unsorted only when the list is.
        EXPECT_EQ(items_of(replaced).front(), sorted ? u"A" : u"c");
    }
}

TEST(ListBox, IndicesBeyondTheItemsAreErrors) {
    ui::ListBox list(nullptr);
    list.AddItem(u"a");
    using test_support::error_number_of;
    EXPECT_EQ(error_number_of([&] { list.RemoveItem(1); }), vb::kInvalidProcedureCall);
    EXPECT_EQ(error_number_of([&] { (void)list.Selected(1); }), 381);
    EXPECT_EQ(error_number_of([&] { list.setSelected(-1, true); }), 381);
    EXPECT_EQ(error_number_of([&] { list.setListIndex(1); }), 380);
    EXPECT_EQ(error_number_of([&] { list.setListIndex(-2); }), 380);
}

TEST(ListBox, SingleSelectionIsTheCurrentItem) {
    ui::ListBox list(nullptr);
    list.setSorted(true);
    list.AddItems({u"c", u"a", u"b"});
    list.setListIndex(1);
    EXPECT_TRUE(list.Selected(1));
    EXPECT_EQ(list.SelCount(), 1);
    list.setSelected(2, true);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_FALSE(list.Selected(1));
    list.AddItem(u"0");  // goes first: the selection moves with its item
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_TRUE(list.Selected(3));
    list.RemoveItem(3);
    EXPECT_EQ(list.SelCount(), 0);
    list.setListIndex(0);
    list.setListIndex(-1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.SelCount(), 0);
}

// A list on a shown window, clicked and typed at as the user would.
class ShownList : public ::testing::Test {
protected:
    ShownList() {
        window.resize(300, 400);
        list->setGeometry(0, 0, 300, 400);
        list->setSorted(true);
        list->onClick([&] { ++clicks; });
        list->onDblClick([&] { ++double_clicks; });
        list->AddItems({u"d", u"c", u"b", u"a"});
        window.show();
        QApplication::setActiveWindow(&window);
        list->setFocus();
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, centre(row));
    }
    // As the window system sends one: a click, then the second press as a double-click.
    void double_click(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(row));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre(row));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre(row));
    }
    QPoint centre(int row) const { return list->visualRect(list->model()->index(row, 0)).center(); }

    QWidget window;
    ui::ListBox* list = new ui::ListBox(&window);
    int clicks = 0;
    int double_clicks = 0;
};

TEST_F(ShownList, ExtendedSelectionByClickCtrlAndShift) {
    list->setMultiSelect(ui::ListBox::MultiSelect::kExtended);
    click(0);
    click(2, Qt::ControlModifier);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(0));
    EXPECT_FALSE(list->Selected(1));
    EXPECT_TRUE(list->Selected(2));
    click(3, Qt::ShiftModifier);
    EXPECT_TRUE(list->Selected(3));
    EXPECT_EQ(list->SelCount(), 3);
    click(1);
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(clicks, 4);
    list->setSelected(3, true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(clicks, 4);  // code selecting is no click
}

TEST_F(ShownList, SimpleSelectionTogglesEachClickedItem) {
    list->setMultiSelect(ui::ListBox::MultiSelect::kSimple);
    click(0);
    click(2);
    click(0);
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_TRUE(list->Selected(2));
}

TEST_F(ShownList, TheKeyboardClicksWhenItMovesOrSelects) {
    click(0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_TRUE(list->Selected(1));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);  // already at the top: nothing moves
    EXPECT_EQ(clicks, 3);
}

TEST_F(ShownList, ADoubleClickFollowsAClick) {
    double_click(2);
    EXPECT_EQ(double_clicks, 1);
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShownList, ADoubleClickHandlerMayRefillTheList) {
    list->onDblClick([&] {
        list->Clear();
        list->AddItem(u"again");
    });
    double_click(1);
    EXPECT_EQ(items_of(*list), (Items{u"again"}));
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ShownList, ColumnsContinueSidewaysWithAHorizontalScrollBar) {
    list->setColumns(true);
    for (int i = 0; i < 1000; ++i) {
        list->AddItem(u"entry");
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(list->visualRect(list->model()->index(0, 0)).left(), 0);
    EXPECT_GT(list->visualRect(list->model()->index(999, 0)).left(), 300);
    // Shown once the scroll area lays itself out again.
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(list->horizontalScrollBar()->isHidden());
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(ListBox, FillsThirtyTwoThousandSortedItemsOneByOne) {
    ui::ListBox list(nullptr);
    list.setSorted(true);
    for (int i = 32000; i > 0; --i) {
        const std::string number = std::to_string(i * 7919 % 32000);
        const char16_t letter = i % 2 ? u'A' + i % 26 : u'a' + i % 26;
        list.AddItem(vb::String(1, letter) + vb::String(number.begin(), number.end()));
    }
    ASSERT_EQ(list.ListCount(), 32000);
    for (int i = 1; i < list.ListCount(); ++i) {
        ASSERT_FALSE(ui::sorts_before(list.List(i), list.List(i - 1))) << i;
    }
    list.RemoveItem(15999);
    EXPECT_EQ(list.ListCount(), 31999);
    EXPECT_FALSE(ui::sorts_before(list.List(15999), list.List(15998)));
}

}  // namespace
