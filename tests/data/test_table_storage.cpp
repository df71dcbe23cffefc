#include <gtest/gtest.h>

#include "data/table_storage.h"

namespace {

TEST(TableStorage, AppendKeepsOneSpareElementAboveTheLiveEntries) {
    vb::DynArray<int> table;
    vb::Integer count;
    data::append(table, count, 10);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(table.size(), 2u);
    data::append(table, count, 20);
    EXPECT_EQ(table[0], 10);
    EXPECT_EQ(table[1], 20);
    EXPECT_EQ(table.size(), 3u);
}

TEST(TableStorage, RemoveMovesTheFollowingEntriesDown) {
    vb::DynArray<int> table;
    vb::Integer count;
    for (int v : {1, 2, 3, 4}) {
        data::append(table, count, v);
    }
    data::remove_at(table, count, 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0], 1);
    EXPECT_EQ(table[1], 3);
    EXPECT_EQ(table[2], 4);
    data::remove_at(table, count, 2);
    data::remove_at(table, count, 0);
    data::remove_at(table, count, 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(table.size(), 1u);
}

TEST(TableStorage, AppendingBeyond32767EntriesOverflows) {
    vb::DynArray<char> table;
    vb::Integer count;
    for (int i = 0; i < 32767; ++i) {
        data::append(table, count, 'x');
    }
    EXPECT_EQ(count, 32767);
    try {
        data::append(table, count, 'y');
        FAIL() << "no overflow";
    } catch (const vb::RuntimeError& error) {
        EXPECT_EQ(error.number(), vb::kOverflow);
    }
    EXPECT_EQ(count, 32767);
    EXPECT_EQ(table.size(), 32768u);
}

}  // namespace
