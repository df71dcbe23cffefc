#include "login_fixture.h"
#include "ui/screen.h"

namespace {

class ChangePassword : public LoginWindow {
protected:
    ChangePassword() {
        add_account("ann", "pw");
        add_account("bob", std::string(25, 'b'));
        add_access("ann", "carol");
        log_on(u"ann", u"pw");
    }

    std::string password_row(const std::string& login) const {
        const std::string rows = db.dump();
        const std::string key = "'" + filled(login) + "'|'";
        const auto at = rows.find(key);
        return at == std::string::npos
                   ? ""
                   : rows.substr(at + key.size(), rows.find('\n', at) - at - key.size() - 1);
    }
};

TEST_F(ChangePassword, EachOutcomeHasItsMessageAndOnlyTheLastWrites) {
    const struct {
        const char16_t* item;
        const char16_t* old_password;
        const char16_t* new_password;
        const char16_t* confirmation;
        const char* message;
    } cases[] = {
        {u"ann", u"", u"", u"", "Unchanged Password"},
        {u"ann", u"pw", u"pw", u"x", "Unchanged Password"},
        {u"ann", u"pw", u"", u"", "No new Password"},
        {u"ann", u"pw", u"new", u"New", "Wrong Confimation"},
        {u"ann", u"pw", u"new", u"new ", "Wrong Confimation"},
        {u"carol", u"pw", u"new", u"new", "Unknow Account"},  // an access entry
        {u"ann", u"PW", u"new", u"new", "Wrong Password"},
    };
    const std::string before = db.dump();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        select({c.item});
        EXPECT_EQ(change(c.old_password, c.new_password, c.confirmation),
                  filled(vb::to_utf8(c.item)));
        EXPECT_EQ(active_line(), c.message);
    }
    EXPECT_EQ(db.dump(), before);

    select({u"ann"});
    change(u"pw   ", u"it's", u"it's");  // trailing blanks of the old password do not count
    EXPECT_EQ(active_line(), "Password Changed");
    EXPECT_EQ(password_row("ann"), "it's");
}

TEST_F(ChangePassword, TheLoggedOnEntryKeepsItsPasswordUntilItLogsOnAgain) {
    select({u"ann"});
    change(u"pw", u"second", u"second");
    select({u"ann"});
    change(u"second", u"third", u"third");
    EXPECT_EQ(active_line(), "Wrong Password");
    change(u"pw", u"third", u"third");  // still ann: the choice is kept
    EXPECT_EQ(active_line(), "Password Changed");

    select({u"ann"});
    press(logguer().btn_unlog);
    log_on(u"ann", u"third");
    select({u"ann"});
    change(u"third", u"fourth", u"fourth");
    EXPECT_EQ(password_row("ann"), "fourth");
}

TEST_F(ChangePassword, LongPasswordsAreComparedOnTheirFirstCharacters) {
    log_on(u"bob", vb::String(25, u'b'));
    select({u"bob"});
    change(vb::String(30, u'b'), vb::String(30, u'n'), vb::String(30, u'n'));
    EXPECT_EQ(active_line(), "Password Changed");
    EXPECT_EQ(password_row("bob"), std::string(30, 'n'));
    select({u"bob"});
    press(logguer().btn_unlog);
    log_on(u"bob", vb::String(25, u'n') + u"zz");
    EXPECT_EQ(log_on_line(), "Loggued As " + filled("bob"));
}

TEST_F(ChangePassword, ThePublicEntryWithAnEmptyOldPasswordRunsTheUpdateOnNoRow) {
    const std::string before = db.dump();
    select({u" Public"});
    change(u"", u"x", u"x");
    EXPECT_EQ(active_line(), "Password Changed");
    EXPECT_EQ(db.dump(), before);
}

TEST_F(ChangePassword, WithNothingSelectedTheLastChoiceOrTheFirstItemIsUsed) {
    EXPECT_EQ(change(u"", u"", u""), filled(" Public"));
    select({u"carol"});
    change(u"", u"", u"");
    logguer().List->clearSelection();
    EXPECT_EQ(change(u"", u"", u""), filled("carol"));
    select({u" Public", u"carol"});  // of several chosen, the last
    EXPECT_EQ(change(u"", u"", u""), filled("carol"));
}

TEST_F(ChangePassword, AChoiceBeyondTheListReadsTheEmptyText) {
    select({u"carol"});  // the last of four items
    change(u"", u"", u"");
    select({u"ann"});
    press(logguer().btn_unlog);  // ann and her entry carol go
    EXPECT_EQ(change(u"", u"new", u"new"), "");
    EXPECT_EQ(active_line(), "Unknow Account");
}

TEST_F(ChangePassword, TheWindowRisesLeftOfBothWindowsAndCancelOnlyCloses) {
    const std::string before = db.dump();
    select({u"ann"});
    when_shown([&](ui::Form& dialog) {
        EXPECT_EQ(dialog.Left(),
                  ui::Screen::Width() - logguer().Width() - menu.Width() - dialog.Width() - 20);
        EXPECT_EQ(changepwd().txt_old->Text(), u"");
        type(changepwd().txt_new, u"new");
        type(changepwd().txt_conf, u"new");
        press(changepwd().btn_cancel);
    });
    press(logguer().btn_chgpwd);
    EXPECT_FALSE(changepwd().IsLoaded());
    EXPECT_EQ(active_line(), filled("ann"));
    EXPECT_EQ(db.dump(), before);
}

}  // namespace
