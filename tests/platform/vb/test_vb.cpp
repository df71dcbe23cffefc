// The runtime's own rules: 16-bit Integers and the conversions, fixed-length text counted in
// UTF-16 units, UTF-8 at the edges, and the run-time errors with their standard descriptions.
#include <gtest/gtest.h>

#include "run_time_error.h"

#include "platform/vb/dyn_array.h"
#include "platform/vb/fixed_text.h"
#include "platform/vb/integer.h"
#include "platform/vb/variant.h"

namespace {

using test_support::error_number_of;

vb::Variant text(const char16_t* value) {
    return vb::Variant(vb::String(value));
}
vb::Variant number(std::int64_t value) {
    return vb::Variant(value);
}

// Each action gives `value`, or raises `error` when that is not 0.
struct Outcome {
    const char* what;
    int (*action)();
    int value;
    int error;
};

const Outcome kOutcomes[] = {
    {"32766 + 1", [] { return (++vb::Integer(32766)).value(); }, 32767, 0},
    {"-32767 - 1", [] { return (vb::Integer(-32767) - 1).value(); }, -32768, 0},
    {"181 * 181", [] { return (vb::Integer(181) * 181).value(); }, 32761, 0},
    {"32767 + 1", [] { return (++vb::Integer(32767)).value(); }, 0, vb::kOverflow},
    {"-32768 - 1", [] { return (vb::Integer(-32768) - 1).value(); }, 0, vb::kOverflow},
    {"-(-32768)", [] { return (-vb::Integer(-32768)).value(); }, 0, vb::kOverflow},
    {"182 * 182", [] { return (vb::Integer(182) * 182).value(); }, 0, vb::kOverflow},
    {"CInt(-32768)", [] { return vb::CInt(number(-32768)).value(); }, -32768, 0},
    {"CInt(32768)", [] { return vb::CInt(number(32768)).value(); }, 0, vb::kOverflow},
    {"CInt(True)", [] { return vb::CInt(vb::Variant(true)).value(); }, -1, 0},
    {"CInt(\" 42 \")", [] { return vb::CInt(text(u" 42 ")).value(); }, 42, 0},
    {"CInt(2.5)", [] { return vb::CInt(vb::Variant(2.5)).value(); }, 2, 0},
    {"CInt(3.5)", [] { return vb::CInt(vb::Variant(3.5)).value(); }, 4, 0},
    {"CInt(1e300)", [] { return vb::CInt(vb::Variant(1e300)).value(); }, 0, vb::kOverflow},
    {"CInt(\"x1\")", [] { return vb::CInt(text(u"x1")).value(); }, 0, vb::kTypeMismatch},
    {"CInt(\"+-5\")", [] { return vb::CInt(text(u"+-5")).value(); }, 0, vb::kTypeMismatch},
    // Texts beyond a Double are numbers all the same.
    {"CInt(\"1e-400400\")", [] { return vb::CInt(text(u"1e-400400")).value(); }, 0, 0},
    {"CInt(\"1E+400\")", [] { return vb::CInt(text(u"1E+400")).value(); }, 0, vb::kOverflow},
    {"CBool(\"-1e99999999999999999999\")",
     [] { return int(vb::CBool(text(u"-1e99999999999999999999"))); }, 0, vb::kOverflow},
    {"CBool(1)", [] { return int(vb::CBool(number(1))); }, 1, 0},
    {"CBool(0)", [] { return int(vb::CBool(number(0))); }, 0, 0},
    {"CBool(\"TRUE\")", [] { return int(vb::CBool(text(u"TRUE"))); }, 1, 0},
    {"CBool(\"yes\")", [] { return int(vb::CBool(text(u"yes"))); }, 0, vb::kTypeMismatch},
    {"CInt(Null)", [] { return vb::CInt(vb::Variant()).value(); }, 0, vb::kInvalidUseOfNull},
    {"CBool(Null)", [] { return int(vb::CBool(vb::Variant())); }, 0, vb::kInvalidUseOfNull},
    {"CStr(Null)", [] { return int(vb::CStr(vb::Variant()).size()); }, 0, vb::kInvalidUseOfNull},
};

TEST(Runtime, IntegersAndConversionsStayWithinSixteenBits) {
    for (const Outcome& c : kOutcomes) {
        SCOPED_TRACE(c.what);
        int value = 0;
        EXPECT_EQ(error_number_of([&] { value = c.action(); }), c.error);
        EXPECT_EQ(value, c.value);
    }
    EXPECT_EQ(vb::CStr(number(-12)), u"-12");
    EXPECT_EQ(vb::CStr(vb::Variant(true)), u"True");
    EXPECT_EQ(vb::CStr(vb::Variant(2.5)), u"2.5");
}

TEST(Runtime, ArraysKeepTheirElementsAndCheckTheirBounds) {
    vb::DynArray<int> table;
    EXPECT_EQ(error_number_of([&] { (void)table[0]; }), vb::kSubscriptOutOfRange);
    table.redim_preserve(1);
    table[1] = 6;
    table.redim_preserve(3);
    EXPECT_EQ(table[1], 6);
    EXPECT_EQ(error_number_of([&] { (void)table[4]; }), vb::kSubscriptOutOfRange);
    EXPECT_EQ(error_number_of([&] { (void)table[-1]; }), vb::kSubscriptOutOfRange);
}

TEST(Runtime, FixedTextIsFilledWithBlanksOrCutInUtf16Units) {
    EXPECT_EQ(vb::fit(u"abc", 5), u"abc  ");
    EXPECT_EQ(vb::fit(u"  abcdefg", 5), u"  abc");
    EXPECT_EQ(vb::FixedText<5>(u"bob").text(), u"bob  ");
    EXPECT_EQ(vb::FixedText<3>().text(), u"   ");
    EXPECT_EQ(vb::FixedText<2>(u"\U0001F600!").text(), u"\U0001F600");  // a pair is two units
    EXPECT_EQ(vb::FixedText<10>(u"ann"), vb::FixedText<10>(u"ann   "));
    EXPECT_NE(vb::FixedText<10>(u"ann"), vb::FixedText<10>(u"Ann"));
}

TEST(Runtime, TextRoundTripsThroughUtf8AndReplacesWhatCannot) {
    EXPECT_EQ(vb::to_utf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(vb::from_utf8("a\xFF\xC0\x80\xE2\x82"), u"a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    const char16_t high = 0xD83D, low = 0xDE00;
    EXPECT_EQ(vb::well_formed(vb::String{low, high, high, low}), u"\uFFFD\uFFFD\U0001F600");
}

TEST(Runtime, ErrorsCarryTheStandardDescriptions) {
    // clang-format off
    const std::pair<int, const char*> descriptions[] = {
        {5, "Invalid procedure call or argument"}, {6, "Overflow"}, {9, "Subscript out of range"},
        {13, "Type mismatch"}, {52, "Bad file name or number"}, {53, "File not found"},
        {68, "Device unavailable"}, {71, "Disk not ready"}, {76, "Path not found"},
        {94, "Invalid use of Null"}};
    // clang-format on
    for (const auto& [number, description] : descriptions) {
        const auto error = test_support::error_of([n = number] { vb::raise(n); });
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.description(), description);
    }
}

}  // namespace
