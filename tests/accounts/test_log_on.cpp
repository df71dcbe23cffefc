// Log on and log off: each refusal in the order of the checks, and what the list of
// logged-on accounts and access entries holds afterwards.
#include "login_fixture.h"

namespace {

// The list holds every logged-on account and the access entries of each, sorted, with
// duplicates.
TEST_F(LoginWindow, LogOnLooksAtTheLoggedOnLoginsFirstThenAtTheAccountsCutToTheirFields) {
    add_account("ann", "pw");
    add_account("Ann", "other");
    add_account("bob", "b");
    add_account("", "");  // a blank login with a blank password
    add_account(std::string(50, 'x'), std::string(25, 'p'));
    add_access(" Public", "zed");
    add_access("ann", "bob");
    add_access("ann", "Carol");
    const struct {
        vb::String login, password;
        std::string message;
    } cases[] = {
        {u"bob", u"b", "Loggued As " + filled("bob")},
        {u"ann", u"pw", "Loggued As " + filled("ann")},
        {u"ann", u"wrong", "Already Loggued !!"},
        {u"ann   ", u"pw", "Already Loggued !!"},  // trailing blanks: the same login
        {u" Public", u" ", "Already Loggued !!"},
        {u"Ann", u"pw", "Wrong Informations"},   // case: another login
        {u" ann", u"pw", "Wrong Informations"},  // leading blank: another login
        {u"nobody", u"", "Wrong Informations"},
        {vb::String(52, u'x'), vb::String(25, u'p') + u"qq", "Loggued As " + std::string(50, 'x')},
        {u"", u"", "Loggued As " + std::string(50, ' ')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(vb::to_utf8(c.login));
        log_on(c.login, c.password);
        EXPECT_EQ(log_on_line(), c.message);
        EXPECT_EQ(logguer().txt_psd->Text() + logguer().txt_pwd->Text(), u"");
        QTest::keyClicks(logguer().txt_psd->editor(), "z");  // typed at once, into the emptied box
        EXPECT_EQ(logguer().txt_psd->Text(), u"z");
    }
    EXPECT_EQ(items(),
              (Items{"", " Public", "ann", "bob", "bob", "Carol", std::string(50, 'x'), "zed"}));
}

struct LogOffCase {
    std::vector<vb::String> selected;
    std::vector<std::string> after, after_next_log_on;
};

class LogOff : public LoginWindow, public ::testing::WithParamInterface<LogOffCase> {};

// Logged-on accounts go; other selected items leave the access entries until the next reload,
// and each takes the first entry of its text, even one the account logged off brought.
TEST_P(LogOff, TakesTheSelectedAccountsThenTheSelectedAccessEntriesAndWritesNothing) {
    for (const char* login : {"ann", "bob", "dave"}) {
        add_account(login, "pw");
    }
    add_access(" Public", "ann");
    add_access("ann", "carol");
    log_on(u"ann", u"pw");
    log_on(u"bob", u"pw");
    const std::string rows = db.dump();
    select(GetParam().selected);
    press(logguer().btn_unlog);
    EXPECT_EQ(items(), GetParam().after);
    EXPECT_EQ(db.dump(), rows);
    log_on(u"dave", u"pw");
    EXPECT_EQ(items(), GetParam().after_next_log_on);
}

INSTANTIATE_TEST_SUITE_P(
    LoginWindow, LogOff,
    ::testing::Values(
        LogOffCase{{},
                   {" Public", "ann", "ann", "bob", "carol"},
                   {" Public", "ann", "ann", "bob", "carol", "dave"}},
        LogOffCase{{u" Public", u"bob", u"carol"}, {"ann"}, {"ann", "carol", "dave"}},
        LogOffCase{{u"carol"},
                   {" Public", "ann", "ann", "bob"},
                   {" Public", "ann", "ann", "bob", "carol", "dave"}},
        LogOffCase{{u"ann", u"carol"}, {" Public", "bob"}, {" Public", "ann", "bob", "dave"}}));

}  // namespace
