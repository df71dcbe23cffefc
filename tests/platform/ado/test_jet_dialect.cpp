#include <gtest/gtest.h>

#include "ado/jet_dialect.h"
#include "ado/jet_like.h"

namespace {

using ado::LikeResult;

struct LikeCase {
    const char16_t* text;
    const char16_t* pattern;
    LikeResult result;
};

class JetLike : public ::testing::TestWithParam<LikeCase> {};

TEST_P(JetLike, MatchesAsTheJetDialectDoes) {
    EXPECT_EQ(ado::jet_like(GetParam().text, GetParam().pattern), GetParam().result)
        << vb::to_utf8(GetParam().text) << " LIKE " << vb::to_utf8(GetParam().pattern);
}

constexpr auto M = LikeResult::kMatch;
constexpr auto N = LikeResult::kNoMatch;
constexpr auto X = LikeResult::kInvalidPattern;

INSTANTIATE_TEST_SUITE_P(
    Patterns, JetLike,
    ::testing::Values(
        LikeCase{u"bob", u"bob", M}, LikeCase{u"bob", u"Bob", N}, LikeCase{u"bob ", u"bob", N},
        LikeCase{u"bob", u"bob ", N}, LikeCase{u"", u"", M}, LikeCase{u"", u"%", M},
        LikeCase{u"abc", u"a%", M}, LikeCase{u"abc", u"%c", M}, LikeCase{u"abc", u"%b%", M},
        LikeCase{u"abc", u"a_c", M}, LikeCase{u"ac", u"a_c", N}, LikeCase{u"a%c", u"a[%]c", M},
        LikeCase{u"abc", u"a[%]c", N}, LikeCase{u"a_b", u"a[_]b", M}, LikeCase{u"axb", u"a[_]b", N},
        LikeCase{u"[!a]", u"[[]!a]", M}, LikeCase{u"b", u"[!a]", M}, LikeCase{u"a", u"[!a]", N},
        LikeCase{u"m", u"[a-z]", M}, LikeCase{u"M", u"[a-z]", N}, LikeCase{u"x]", u"x]", M},
        LikeCase{u"*?#", u"*?#", M}, LikeCase{u"abc", u"*", N}, LikeCase{u"a", u"[]", X},
        LikeCase{u"a", u"[a", X},
        LikeCase{u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", u"%a%a%a%a%a%a%a%a%c", N}));

TEST(JetDialect, DeleteStarBecomesSqlitesDelete) {
    std::string error;
    EXPECT_EQ(ado::to_sqlite(u"DELETE * FROM compte WHERE compte.loggin='x';", error),
              u"DELETE FROM compte WHERE compte.loggin='x'");
    EXPECT_EQ(ado::to_sqlite(u"delete   *\nfrom t;", error), u"DELETE from t");
    EXPECT_EQ(ado::to_sqlite(u"SELECT loggin,pwd FROM compte", error),
              u"SELECT loggin,pwd FROM compte");
}

TEST(JetDialect, LiteralsAreLeftAloneAndANulInsideIsCarried) {
    std::string error;
    EXPECT_EQ(ado::to_sqlite(u"SELECT 'DELETE * FROM x;' FROM t;", error),
              u"SELECT 'DELETE * FROM x;' FROM t");
    EXPECT_EQ(ado::to_sqlite(u"SELECT 'it''s';", error), u"SELECT 'it''s'");
    EXPECT_EQ(ado::to_sqlite(std::u16string(u"SELECT 'a\0b';", 13), error),
              u"SELECT replace('a\x01"
              u"b',char(1),char(0))");
}

TEST(JetDialect, RefusesWhatIsNotOneStatement) {
    std::string error;
    EXPECT_FALSE(ado::to_sqlite(u"SELECT 1; DELETE FROM compte;", error));
    EXPECT_EQ(error, "Characters found after end of SQL statement.");
    EXPECT_FALSE(ado::to_sqlite(u"SELECT 'open", error));
    // SQLite would read a second statement after a quoted name or a comment.
    EXPECT_FALSE(ado::to_sqlite(u"SELECT \"'\"; DELETE FROM compte; '", error));
    EXPECT_FALSE(ado::to_sqlite(u"SELECT 1 AS [a'b]; DELETE FROM compte; '", error));
    EXPECT_EQ(ado::to_sqlite(u"SELECT 1 --'\n; DELETE FROM compte; '", error),
              u"SELECT 1 - -'\n; DELETE FROM compte; '");
    EXPECT_EQ(ado::to_sqlite(u"SELECT 2--1, 1/*2", error), u"SELECT 2- -1, 1/ *2");
}

}  // namespace
