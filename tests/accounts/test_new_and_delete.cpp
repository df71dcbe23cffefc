// New User and Delete: each message in the order of its check, what reaches the table, and
// what the window knows afterwards.
#include "login_fixture.h"

namespace {

TEST_F(LoginWindow, NewUserChecksLengthThenEmptinessThenUseThenTheConfirmation) {
    add_account("ann", "pw");
    const vb::String p25(25, u'p'), l50(50, u'l');
    const struct {
        vb::String login, password, confirmation;
        std::string_view message;
    } cases[] = {
        {u"bob", p25 + u"p", p25 + u"p", "Too Many Character"},
        {l50 + u"l", u"pw", u"pw", "Too Many Character"},
        {u"", p25 + u"p", p25 + u"p", "Too Many Character"},  // length before emptiness
        {u"", u"pw", u"pw", "No Login Or Password"},
        {u"bob", u"", u"", "No Login Or Password"},
        {u"ann  ", u"x", u"x", "Login Already Used"},
        {u"bob", u"pw", u"PW", "Wrong Confirmation"},
        {u"bob", u"pw", u"pw ", "Wrong Confirmation"},
        {l50, p25, p25, "New User Added"},
        {u"Ann", u"it's ", u"it's ", "New User Added"},
        {u" ann", u"pw", u"pw", "New User Added"},
        {u"   ", u"pw", u"pw", "New User Added"},       // blanks are not empty
        {u" Public", u"pw", u"pw", "New User Added"},   // not logged on beside the entry
        {u"dora", u"pw", u"px", "Wrong Confirmation"},  // the last success counts no more
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(vb::to_utf8(c.login) + "/" + vb::to_utf8(c.password));
        confirmations = 0;
        create(c.login, c.password, c.confirmation);
        EXPECT_EQ(log_on_line(), c.message);
        EXPECT_EQ(confirmations,
                  c.message == "Wrong Confirmation" || c.message == "New User Added");
        EXPECT_EQ(logguer().txt_psd->Text() + logguer().txt_pwd->Text(), u"");
    }
    EXPECT_EQ(db.dump().find(filled("bob")), std::string::npos);
    EXPECT_TRUE(stored("Ann", u"it's "));
    // Known at once, though neither logged on nor listed.
    EXPECT_EQ(Module1::nb_comptes, 6);
    EXPECT_EQ(items(), (Items{" Public"}));
    log_on(u"Ann", u"it's");
    EXPECT_EQ(log_on_line(), "Loggued As " + filled("Ann"));
    log_on(u" Public", u"pw");
    EXPECT_EQ(log_on_line(), "Already Loggued !!");
}

// Only logged-on accounts lose their rows: the public entry and access entries are skipped,
// though the list is refilled and the message shown for them too.
TEST_F(LoginWindow, DeleteTakesTheRowsOfTheSelectedLoggedOnAccountsOnly) {
    for (const char* login : {"ann", "bob", "carol", "dave"}) {
        add_account(login, "pw");
    }
    add_access("ann", "carol");
    for (const char16_t* login : {u"ann", u"bob", u"dave"}) {
        log_on(login, u"pw");
    }
    const std::string rows = db.dump();
    Module1::confirme_ok = true;
    press(logguer().btn_supprimer);
    EXPECT_EQ(active_line(), "Ready !!!");
    EXPECT_TRUE(Module1::confirme_ok);

    select({u" Public", u"carol"});
    press(logguer().btn_supprimer);
    EXPECT_EQ(active_line(), "Account Deleted");
    EXPECT_FALSE(Module1::confirme_ok);
    EXPECT_EQ(db.dump(), rows);
    EXPECT_EQ(items(), (Items{" Public", "ann", "bob", "carol", "dave"}));

    select({u"dave", u"ann", u"bob"});
    press(logguer().btn_supprimer);
    EXPECT_EQ(items(), (Items{" Public"}));
    const std::string after = db.dump();
    EXPECT_EQ(after.substr(0, after.find("[acceder]")),
              "[compte]\n'" + filled("carol") + "'|'pw'\n");
    log_on(u"ann", u"pw");
    EXPECT_EQ(log_on_line(), "Wrong Informations");
}

}  // namespace
