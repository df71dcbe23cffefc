#include <gtest/gtest.h>

#include "run_time_error.h"

#include "vb/variant.h"

namespace {

using test_support::error_number_of;

TEST(Variant, ConvertsToText) {
    EXPECT_EQ(vb::CStr(vb::Variant(vb::String(u"abc"))), u"abc");
    EXPECT_EQ(vb::CStr(vb::Variant(std::int64_t{-12})), u"-12");
    EXPECT_EQ(vb::CStr(vb::Variant(true)), u"True");
    EXPECT_EQ(vb::CStr(vb::Variant(2.5)), u"2.5");
}

TEST(Variant, ConvertsToBoolean) {
    EXPECT_TRUE(vb::CBool(vb::Variant(std::int64_t{-1})));
    EXPECT_TRUE(vb::CBool(vb::Variant(std::int64_t{1})));
    EXPECT_FALSE(vb::CBool(vb::Variant(std::int64_t{0})));
    EXPECT_TRUE(vb::CBool(vb::Variant(vb::String(u"TRUE"))));
    EXPECT_FALSE(vb::CBool(vb::Variant(vb::String(u"0"))));
    EXPECT_EQ(error_number_of([] { vb::CBool(vb::Variant(vb::String(u"yes"))); }),
              vb::kTypeMismatch);
}

TEST(Variant, ConvertsToIntegerWithinSixteenBits) {
    EXPECT_EQ(vb::CInt(vb::Variant(std::int64_t{21})), 21);
    EXPECT_EQ(vb::CInt(vb::Variant(std::int64_t{-32768})), -32768);
    EXPECT_EQ(vb::CInt(vb::Variant(vb::String(u" 42 "))), 42);
    EXPECT_EQ(vb::CInt(vb::Variant(2.5)), 2);  // half to even
    EXPECT_EQ(vb::CInt(vb::Variant(3.5)), 4);
    EXPECT_EQ(error_number_of([] { vb::CInt(vb::Variant(std::int64_t{32768})); }), vb::kOverflow);
    EXPECT_EQ(error_number_of([] { vb::CInt(vb::Variant(std::int64_t{-40000})); }), vb::kOverflow);
    EXPECT_EQ(error_number_of([] { vb::CInt(vb::Variant(1e300)); }), vb::kOverflow);
    EXPECT_EQ(error_number_of([] { vb::CInt(vb::Variant(vb::String(u"x1"))); }), vb::kTypeMismatch);
}

// Texts the fuzzer found misread: numbers beyond a Double, and two signs.
TEST(Variant, TextBeyondADoubleIsANumberAllTheSame) {
    auto text = [](const char16_t* s) { return vb::Variant(vb::String(s)); };
    EXPECT_EQ(vb::CInt(text(u"1e-400400")), 0);
    EXPECT_FALSE(vb::CBool(text(u" -0.0001e-400 ")));
    EXPECT_EQ(error_number_of([&] { vb::CInt(text(u"1E+400")); }), vb::kOverflow);
    EXPECT_EQ(error_number_of([&] { vb::CBool(text(u"-123456e99999999999999999999")); }),
              vb::kOverflow);
    EXPECT_EQ(error_number_of([&] { vb::CInt(text(u"+-5")); }), vb::kTypeMismatch);
}

TEST(Variant, NullConvertsToNothing) {
    const vb::Variant null;
    EXPECT_TRUE(null.is_null());
    EXPECT_EQ(error_number_of([&] { vb::CStr(null); }), vb::kInvalidUseOfNull);
    EXPECT_EQ(error_number_of([&] { vb::CBool(null); }), vb::kInvalidUseOfNull);
    EXPECT_EQ(error_number_of([&] { vb::CInt(null); }), vb::kInvalidUseOfNull);
}

}  // namespace
