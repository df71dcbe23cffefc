#include "login_fixture.h"
#include "ui/screen.h"

namespace {

class NewUser : public LoginWindow {
protected:
    NewUser() { add_account("ann", "pw"); }
};

TEST_F(NewUser, EachMessageComesInTheOrderOfItsCheck) {
    const vb::String p25(25, u'p'), l50(50, u'l');
    const struct {
        vb::String login;
        vb::String password;
        vb::String confirmation;
        const char* message;
        bool confirmed;
    } cases[] = {
        {u"bob", p25 + u"p", p25 + u"p", "Too Many Character", false},
        {l50 + u"l", u"pw", u"pw", "Too Many Character", false},
        {u"", p25 + u"p", p25 + u"p", "Too Many Character", false},  // length before emptiness
        {u"", u"pw", u"pw", "No Login Or Password", false},
        {u"bob", u"", u"", "No Login Or Password", false},
        {u"ann  ", u"x", u"x", "Login Already Used", false},
        {u"bob", u"pw", u"PW", "Wrong Confirmation", true},
        {u"bob", u"pw", u"pw ", "Wrong Confirmation", true},
        {l50, p25, p25, "New User Added", true},
        {u"Ann", u"pw", u"pw", "New User Added", true},
        {u" ann", u"pw", u"pw", "New User Added", true},
        {u"   ", u"pw", u"pw", "New User Added", true},       // blanks are not empty
        {u"dora", u"pw", u"px", "Wrong Confirmation", true},  // the last success counts no more
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(vb::to_utf8(c.login) + "/" + vb::to_utf8(c.password));
        confirmations = 0;
        create(c.login, c.password, c.confirmation);
        EXPECT_EQ(log_on_line(), c.message);
        EXPECT_EQ(confirmations, c.confirmed ? 1 : 0);
        EXPECT_EQ(logguer().txt_psd->Text(), u"");
        EXPECT_EQ(logguer().txt_pwd->Text(), u"");
        EXPECT_FALSE(Confirme().IsLoaded());
    }
    EXPECT_EQ(db.dump().find(filled("bob")), std::string::npos);
}

TEST_F(NewUser, TheAccountIsStoredAndKnownAtOnceButNeitherLoggedOnNorListed) {
    create(u"bob", u"it s ");
    EXPECT_EQ(log_on_line(), "New User Added");
    EXPECT_NE(db.dump().find("'" + filled("bob") + "'|'it s '"), std::string::npos);
    ASSERT_EQ(Module1::nb_comptes, 2);
    EXPECT_EQ(Module1::comptes[1].loggin, vb::fit(u"bob", 50));
    EXPECT_EQ(items(), (Items{" Public"}));

    log_on(u"bob", u"it s");
    EXPECT_EQ(log_on_line(), "Loggued As " + filled("bob"));
}

TEST_F(NewUser, ThePublicLoginCanBeCreatedButNotLoggedOnBesideThePublicEntry) {
    create(u" Public", u"pw");
    EXPECT_EQ(log_on_line(), "New User Added");
    log_on(u" Public", u"pw");
    EXPECT_EQ(log_on_line(), "Already Loggued !!");
}

TEST_F(NewUser, TheDialogRisesLeftOfTheLoginWindowAndIgnoresTheWindowSystem) {
    when_shown([this](ui::Form& dialog) {
        EXPECT_EQ(dialog.Left(), ui::Screen::Width() - logguer().Width() - dialog.Width() - 10);
        EXPECT_TRUE(dialog.Visible());
        EXPECT_FALSE(dialog.window()->close());
        QTest::keyClick(dialog.window(), Qt::Key_Escape);
        EXPECT_TRUE(dialog.IsLoaded());
        type(Confirme().Text1, u"pw");
        press(Confirme().Command1);
    });
    type(logguer().txt_psd, u"bob");
    type(logguer().txt_pwd, u"pw");
    press(logguer().btn_NU);
    EXPECT_EQ(log_on_line(), "New User Added");
    EXPECT_EQ(ui::Forms::Count(), 2);
}

class Deletion : public LoginWindow {
protected:
    Deletion() {
        add_account("ann", "pw");
        add_account("bob", "b");
        add_account("carol", "c");
        add_access("ann", "carol");
        log_on(u"ann", u"pw");
        log_on(u"bob", u"b");
    }
};

TEST_F(Deletion, NothingSelectedDoesNothing) {
    Module1::confirme_ok = true;
    press(logguer().btn_supprimer);
    EXPECT_EQ(active_line(), "Ready !!!");
    EXPECT_TRUE(Module1::confirme_ok);
    EXPECT_EQ(items(), (Items{" Public", "ann", "bob", "carol"}));
}

TEST_F(Deletion, SelectedAccountsLoseTheirRowsAndAreLoggedOff) {
    Module1::confirme_ok = true;
    select({u"ann", u"bob"});
    press(logguer().btn_supprimer);
    EXPECT_EQ(active_line(), "Account Deleted");
    EXPECT_FALSE(Module1::confirme_ok);
    EXPECT_EQ(items(), (Items{" Public"}));
    const std::string rows = db.dump();
    EXPECT_EQ(rows.find(filled("ann") + "'|'pw'"), std::string::npos);
    EXPECT_EQ(rows.find(filled("bob") + "'|'b'"), std::string::npos);
    EXPECT_NE(rows.find(filled("carol") + "'|'c'"), std::string::npos);
    // The accounts table keeps them until it is read again.
    EXPECT_EQ(Module1::nb_comptes, 3);
    log_on(u"ann", u"pw");
    EXPECT_EQ(log_on_line(), "Wrong Informations");
}

TEST_F(Deletion, ThePublicEntryAndAccessEntriesAreSkippedButTheListIsRefilled) {
    select({u" Public", u"carol"});
    const std::string before = db.dump();
    press(logguer().btn_supprimer);
    EXPECT_EQ(active_line(), "Account Deleted");
    EXPECT_EQ(db.dump(), before);
    EXPECT_EQ(items(), (Items{" Public", "ann", "bob", "carol"}));
}

}  // namespace
