#include <gtest/gtest.h>

#include "data/statements.h"
#include "vb/fixed_text.h"

namespace {

const vb::String kBob = vb::fit(u"bob", 50);

TEST(Statements, AreTheSystemsTextsPieceByPiece) {
    EXPECT_EQ(statements::all_accounts(), u"SELECT loggin,pwd FROM compte");
    EXPECT_EQ(statements::access_rights_of(kBob),
              u"SELECT psd,ftpa,contacta FROM acceder WHERE acceder.loggin LIKE '" + kBob + u"';");
    EXPECT_EQ(statements::ftp_sites_of(kBob),
              u"SELECT log,adress,mdp,port,nom FROM ftp WHERE loggin LIKE '" + kBob + u"';");
    EXPECT_EQ(
        statements::contacts_of(kBob),
        u"SELECT num,nom,prenom,adress,cp,ville FROM contact WHERE loggin LIKE '" + kBob + u"';");
    EXPECT_EQ(statements::new_account(kBob, u"pw"),
              u"INSERT INTO compte (loggin, pwd) VALUES ('" + kBob + u"','pw');");
    EXPECT_EQ(statements::delete_account(kBob),
              u"DELETE * FROM compte WHERE compte.loggin='" + kBob + u"';");
    EXPECT_EQ(statements::new_password(u"new", kBob),
              u"UPDATE compte SET pwd='new' WHERE loggin='" + kBob + u"';");
}

TEST(Statements, ThePublicEntryKeepsItsLeadingBlank) {
    const vb::String public_entry = vb::fit(u" Public", 50);
    EXPECT_EQ(statements::access_rights_of(public_entry),
              u"SELECT psd,ftpa,contacta FROM acceder WHERE acceder.loggin LIKE ' Public" +
                  vb::String(43, u' ') + u"';");
}

struct Passing {
    const char16_t* value;
    const char16_t* quoted;
    const char16_t* pattern;
};

class PassingValues : public ::testing::TestWithParam<Passing> {};

TEST_P(PassingValues, QuotesAreDoubledAndWildcardsBracketed) {
    EXPECT_EQ(statements::quoted(GetParam().value), GetParam().quoted);
    EXPECT_EQ(statements::literal_pattern(GetParam().value), GetParam().pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, PassingValues,
    ::testing::Values(Passing{u"plain", u"plain", u"plain"},
                      Passing{u"o'neil", u"o''neil", u"o''neil"}, Passing{u"''", u"''''", u"''''"},
                      Passing{u"%", u"%", u"[%]"}, Passing{u"a_b", u"a_b", u"a[_]b"},
                      Passing{u"[!a]", u"[!a]", u"[[]!a]"}, Passing{u"x]", u"x]", u"x]"},
                      Passing{u"*?#", u"*?#", u"*?#"},
                      Passing{u"'; DELETE FROM compte; --", u"''; DELETE FROM compte; --",
                              u"''; DELETE FROM compte; --"}));

}  // namespace
