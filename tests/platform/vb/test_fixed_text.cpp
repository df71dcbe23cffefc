#include <gtest/gtest.h>

#include "vb/fixed_text.h"

namespace {

TEST(FixedText, FillsWithBlanksAndCutsToWidth) {
    EXPECT_EQ(vb::fit(u"abc", 5), u"abc  ");
    EXPECT_EQ(vb::fit(u"abcdefg", 5), u"abcde");
    EXPECT_EQ(vb::fit(u"", 3), u"   ");
    EXPECT_EQ(vb::fit(u"  a  ", 3), u"  a");  // never trimmed, leading blanks kept

    vb::FixedText<50> login(u"bob");
    EXPECT_EQ(login.view().size(), 50u);
    EXPECT_EQ(login.text(), u"bob" + std::u16string(47, u' '));
    EXPECT_EQ(vb::FixedText<25>(std::u16string(30, u'x')).text(), std::u16string(25, u'x'));
    EXPECT_EQ(vb::FixedText<4>().text(), u"    ");
}

TEST(FixedText, EqualityIsExactOnFilledForms) {
    EXPECT_EQ(vb::FixedText<10>(u"ann"), vb::FixedText<10>(u"ann   "));  // trailing blanks fill
    EXPECT_NE(vb::FixedText<10>(u"ann"), vb::FixedText<10>(u"Ann"));
    EXPECT_NE(vb::FixedText<10>(u"ann"), vb::FixedText<10>(u" ann"));
    vb::FixedText<3> text(u"abc");
    text = u"z";
    EXPECT_EQ(text.text(), u"z  ");
}

TEST(FixedText, KeepsCharactersThatAreNotAscii) {
    EXPECT_EQ(vb::FixedText<4>(std::u16string(u"\u00e9\u05d0\0x", 4)).text(),
              std::u16string(u"\u00e9\u05d0\0x", 4));
}

}  // namespace
