// How every table grows and shrinks: the live entries first, whole, and one spare element
// always kept above them.
#include <gtest/gtest.h>

#include "data/table_storage.h"

namespace {

TEST(TableStorage, KeepsOneSpareElementAboveTheLiveEntriesAsTheyComeAndGo) {
    vb::DynArray<int> table;
    vb::Integer count;
    for (int value : {1, 2, 3, 4}) {
        data::append(table, count, value);
    }
    EXPECT_EQ(table.size(), 5u);
    data::remove_at(table, count, 1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(table.size(), 4u);
    EXPECT_EQ((std::vector<int>{table[0], table[1], table[2]}), (std::vector<int>{1, 3, 4}));
}

}  // namespace
