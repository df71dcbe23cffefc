// Change Password: each outcome in the order of its check, the entry it acts on, and what
// reaches the table.
#include "login_fixture.h"

namespace {

class ChangePassword : public LoginWindow {
protected:
    ChangePassword() {
        add_account("ann", "pw");
        add_access("ann", "carol");
        add_access("ann", "bea");
        log_on(u"ann", u"pw");
    }
};

TEST_F(ChangePassword, EachOutcomeHasItsMessageAndOnlyAChangeWrites) {
    const struct {
        const char16_t *item, *old_password, *new_password, *confirmation;
        std::string message;
        ui::CommandButton* ChangePwdForm::*button = &ChangePwdForm::btn_ok;
    } cases[] = {
        {u"ann", u"", u"", u"", "Unchanged Password"},
        {u"ann", u"pw", u"pw", u"x", "Unchanged Password"},
        {u"ann", u"pw", u"", u"", "No new Password"},
        {u"ann", u"pw", u"new", u"New", "Wrong Confimation"},
        {u"ann", u"pw", u"new", u"new ", "Wrong Confimation"},
        {u"carol", u"pw", u"new", u"new", "Unknow Account"},  // an access entry
        {u"ann", u"PW", u"new", u"new", "Wrong Password"},
        {u"ann", u"pw", u"new", u"new", filled("ann"), &ChangePwdForm::btn_cancel},  // as chosen
        {u" Public", u"", u"x", u"x", "Password Changed"},                           // on no row
    };
    const std::string rows = db.dump();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        select({c.item});
        EXPECT_EQ(change(c.old_password, c.new_password, c.confirmation, c.button),
                  filled(vb::to_utf8(c.item)));
        EXPECT_EQ(active_line(), c.message);
    }
    EXPECT_EQ(db.dump(), rows);
}

// Only the first 25 characters of a password count, and the logged-on entry keeps the one
// it logged on with until it logs on again.
TEST_F(ChangePassword, TheNewPasswordIsStoredWholeAndCountsFromTheNextLogOn) {
    const vb::String long_one = vb::String(16000, u'\'') + u"n";  // a statement doubles each quote
    select({u"ann"});
    change(u"pw   ", long_one, long_one);  // trailing blanks of the old password do not count
    EXPECT_EQ(active_line(), "Password Changed");
    EXPECT_TRUE(stored("ann", long_one));
    change(long_one, u"third", u"third");
    EXPECT_EQ(active_line(), "Wrong Password");
    select({u"ann"});
    press(logguer().btn_unlog);
    log_on(u"ann", long_one.substr(0, 25) + u"zz");
    EXPECT_EQ(log_on_line(), "Loggued As " + filled("ann"));
    select({u"ann"});
    change(long_one, u"fourth", u"fourth");
    EXPECT_TRUE(stored("ann", u"fourth"));
}

// Of several items the last in the list counts, for "Configuration" too, whatever the order of
// the clicks; with none, the last choice, which may lie beyond the list and name nothing.
TEST_F(ChangePassword, TheEntryIsTheLastChosen) {
    EXPECT_EQ(change(u"", u"", u""), filled(" Public"));
    select({u"carol", u" Public", u"bea"});
    EXPECT_EQ(change(u"", u"", u""), filled("carol"));
    select({u"bea", u"ann", u" Public"});
    press(logguer().btn_cfg);
    EXPECT_EQ(active_line(), filled("bea"));
    press(logguer().btn_cfg);
    logguer().List->clearSelection();
    EXPECT_EQ(change(u"", u"", u""), filled("bea"));
    select({u"ann"});
    press(logguer().btn_unlog);  // ann and her entries go
    EXPECT_EQ(change(u"", u"new", u"new"), "");
    EXPECT_EQ(active_line(), "Unknow Account");
}

}  // namespace
