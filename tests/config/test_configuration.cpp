// The configuration (access-rights) window, opened and closed by the login window's
// "Configuration" button over a scratch database, driven as a user would.
#include "config/configcompte_form.h"
#include "login_fixture.h"

namespace {

class Configuration : public LoginWindow {
protected:
    Configuration() {
        add_account("bob", "b");
        add_account("ann", "a");
    }

    static Lines logins() { return lines_of(*configcompte().lst_cmpt); }
    // How many of the five log-on controls are enabled, and the window's message line.
    static std::string log_on_state() {
        auto& w = logguer();
        const int enabled = w.List->isEnabled() + w.btn_chgpwd->isEnabled() +
                            w.btn_supprimer->isEnabled() + w.btn_unlog->isEnabled() +
                            w.txt_psd->isEnabled();
        return std::to_string(enabled) + " " + vb::to_utf8(w.lbl_LOA->Caption());
    }
};

TEST_F(Configuration, TheModeDisablesLogOnListsTheStoredLoginsAndOpensTheFtpEditor) {
    press(logguer().btn_cfg);
    auto& w = configcompte();
    ASSERT_TRUE(w.IsLoaded());
    EXPECT_EQ(log_on_state(), "0 Disable");
    EXPECT_EQ(logins(), (Lines{vb::fit(u"ann", 50), vb::fit(u"bob", 50), u"lst_cmpt"}));  // sorted
    press(w.Command1);
    press(w.Command1);  // already open: the FTP-site editor stays loaded once
    for (QWidget* inert : {w.Command2, w.Command4, w.Command5, w.Command6}) {
        press(inert);  // no right is stored: nothing opens or closes
    }
    EXPECT_EQ(ui::Forms::Count(), 4);

    press(logguer().btn_cfg);  // the editor and the configuration window go together
    EXPECT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(log_on_state(), "5 Ready !!!");
    db.exec("DELETE FROM compte;");
    press(logguer().btn_cfg);
    EXPECT_EQ(logins(), (Lines{u"lst_cmpt"}));  // read again at every opening
    press(logguer().btn_cfg);
    EXPECT_FALSE(w.IsLoaded());
}

}  // namespace
