#include <gtest/gtest.h>

#include "run_time_error.h"

#include "vb/dyn_array.h"
#include "vb/integer.h"

namespace {

using test_support::error_number_of;

TEST(Integer, ArithmeticWithinSixteenBits) {
    vb::Integer n = 32766;
    ++n;
    EXPECT_EQ(n.value(), 32767);
    EXPECT_EQ((vb::Integer(-32767) - 1).value(), -32768);
    EXPECT_EQ((vb::Integer(181) * 181).value(), 32761);
    EXPECT_LT(vb::Integer(-1), vb::Integer(0));
    EXPECT_EQ(vb::Integer(7), 7);
}

TEST(Integer, OverflowRaisesErrorSixInsteadOfWrapping) {
    EXPECT_EQ(error_number_of([] {
                  vb::Integer n = 32767;
                  ++n;
              }),
              vb::kOverflow);
    EXPECT_EQ(error_number_of([] { (void)(vb::Integer(-32768) - 1); }), vb::kOverflow);
    EXPECT_EQ(error_number_of([] { (void)-vb::Integer(-32768); }), vb::kOverflow);
    EXPECT_EQ(error_number_of([] { (void)(vb::Integer(182) * 182); }), vb::kOverflow);
    EXPECT_EQ(error_number_of([] { (void)vb::Integer(40000); }), vb::kOverflow);
}

TEST(DynArray, ResizeKeepsElementsAndChecksBounds) {
    vb::DynArray<int> table;
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(error_number_of([&] { (void)table[0]; }), vb::kSubscriptOutOfRange);
    table.redim_preserve(1);
    table[0] = 5;
    table[1] = 6;
    table.redim_preserve(3);
    EXPECT_EQ(table[0], 5);
    EXPECT_EQ(table[1], 6);
    table.redim_preserve(0);
    EXPECT_EQ(table[0], 5);
    EXPECT_EQ(error_number_of([&] { (void)table[1]; }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(error_number_of([&] { (void)table[-1]; }), vb::kSubscriptOutOfRange);
}

}  // namespace
