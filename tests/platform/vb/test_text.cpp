#include <gtest/gtest.h>

#include "vb/text.h"

namespace {

TEST(Text, RoundTripsBetweenUtf16AndUtf8) {
    const std::u16string samples[] = {
        u"",        u"abc",        u"\u00e9t\u00e9",          u"\u05e9\u05dc\u05d5\u05dd",
        u"e\u0301", u"\U0001F600", std::u16string(u"a\0b", 3)};
    for (const auto& sample : samples) {
        EXPECT_EQ(vb::from_utf8(vb::to_utf8(sample)), sample);
    }
    EXPECT_EQ(vb::to_utf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Text, ReplacesWhatCannotBeConverted) {
    EXPECT_EQ(vb::to_utf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(vb::from_utf8("a\xFF"
                            "b"),
              u"a\uFFFDb");
    EXPECT_EQ(vb::from_utf8("\xC0\x80"), u"\uFFFD\uFFFD");  // overlong NUL
    EXPECT_EQ(vb::from_utf8("\xE2\x82"), u"\uFFFD\uFFFD");  // truncated sequence
}

TEST(Text, WellFormedReplacesOnlyLoneHalvesOfPairs) {
    const char16_t high = 0xD83D, low = 0xDE00;
    EXPECT_EQ(vb::well_formed(u"\U0001F600 e\u0301"), u"\U0001F600 e\u0301");
    EXPECT_EQ(vb::well_formed(vb::String{high, u'b'}), u"\uFFFDb");
    EXPECT_EQ(vb::well_formed(vb::String{u'a', low}), u"a\uFFFD");
    EXPECT_EQ(vb::well_formed(vb::String{low, high}), u"\uFFFD\uFFFD");
    EXPECT_EQ(vb::well_formed(vb::String{high, high, low}), u"\uFFFD\U0001F600");
}

}  // namespace
