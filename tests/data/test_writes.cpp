#include "data/database.h"
#include "data/statements.h"
#include "module1_fixture.h"
#include "vb/fixed_text.h"

namespace {

class Writes : public Module1Test {
protected:
    Writes() {
        db.exec("INSERT INTO compte VALUES ('" + filled("bob") + "','old'), ('" + filled("Bob") +
                "','old'), ('" + filled("bob ") + "x','old'), ('" + filled("%") + "','old');");
    }
    static void write(const vb::String& statement) {
        data::run_write(statement, data::AfterWrite::kRelease);
    }
};

TEST_F(Writes, NewAccountStoresTheFilledLoginAndThePasswordAsTyped) {
    data::run_write(statements::new_account(vb::fit(u"ann", 50), u"pw "), data::AfterWrite::kClose);
    EXPECT_NE(db.dump().find("'" + filled("ann") + "'|'pw '"), std::string::npos);
}

TEST_F(Writes, DeleteAndNewPasswordTouchOnlyTheExactLogin) {
    const std::string before = db.dump();
    write(statements::new_password(u"new", vb::fit(u"bob", 50)));
    std::string expected = before;
    const std::string bob_row = "'" + filled("bob") + "'|'old'";
    expected.replace(expected.find(bob_row), bob_row.size(), "'" + filled("bob") + "'|'new'");
    EXPECT_EQ(db.dump(), expected);

    write(statements::delete_account(vb::fit(u"bob", 50)));
    expected.erase(expected.find("'" + filled("bob") + "'|'new'\n"), bob_row.size() + 1);
    EXPECT_EQ(db.dump(), expected);
}

TEST_F(Writes, HostileValuesStayInsideTheirQuotes) {
    const std::string before = db.dump();
    for (const char16_t* value :
         {u"'", u"''", u"'; DELETE FROM compte; --", u"x' OR '1'='1", u"%", u"_", u"\\'"}) {
        SCOPED_TRACE(vb::to_utf8(value));
        write(statements::delete_account(vb::fit(value, 50)));
        write(statements::new_password(value, vb::fit(u"nobody", 50)));
    }
    // "%" is an account of its own: only its row may go.
    std::string expected = before;
    const std::string percent_row = "'" + filled("%") + "'|'old'\n";
    expected.erase(expected.find(percent_row), percent_row.size());
    EXPECT_EQ(db.dump(), expected);
}

TEST_F(Writes, AQuoteInAPasswordIsStoredAsTyped) {
    write(statements::new_password(u"it's", vb::fit(u"Bob", 50)));
    EXPECT_NE(db.dump().find("'" + filled("Bob") + "'|'it's'"), std::string::npos);
}

}  // namespace
