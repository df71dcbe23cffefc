#include "config/configcompte_form.h"
#include "ftp/addftp_form.h"
#include "login_fixture.h"
#include "ui/screen.h"

namespace {

class Configuration : public LoginWindow {
protected:
    Configuration() {
        add_account("bob", "b");
        add_account("ann", "a");
    }

    static std::vector<std::string> logins() {
        std::vector<std::string> result;
        for (int k = 0; k < configcompte().lst_cmpt->ListCount(); ++k) {
            result.push_back(vb::to_utf8(configcompte().lst_cmpt->List(k)));
        }
        return result;
    }

    static std::vector<bool> log_on_controls_enabled() {
        auto& w = logguer();
        return {w.List->isEnabled(),      w.btn_chgpwd->isEnabled(), w.btn_supprimer->isEnabled(),
                w.btn_unlog->isEnabled(), w.txt_psd->isEnabled(),    w.btn_logguer->isEnabled(),
                w.btn_NU->isEnabled()};
    }
};

TEST_F(Configuration, TheModeDisablesTheLogOnControlsAndListsEveryStoredLogin) {
    select({u" Public"});
    press(logguer().btn_cfg);
    ASSERT_TRUE(configcompte().IsLoaded());
    EXPECT_EQ(log_on_line(), "Disable");
    EXPECT_EQ(active_line(), filled(" Public"));
    EXPECT_EQ(log_on_controls_enabled(), std::vector<bool>(7, false));
    EXPECT_TRUE(logguer().btn_cfg->isEnabled());
    // Whole fixed-width logins, sorted with the list's own first entry.
    EXPECT_EQ(logins(), (std::vector<std::string>{filled("ann"), filled("bob"), "lst_cmpt"}));
    EXPECT_EQ(configcompte().Left(),
              ui::Screen::Width() - logguer().Width() - configcompte().Width() - 10);

    press(logguer().btn_cfg);
    EXPECT_FALSE(configcompte().IsLoaded());
    EXPECT_EQ(log_on_line(), "Ready !!!");
    EXPECT_EQ(log_on_controls_enabled(), std::vector<bool>(7, true));
}

TEST_F(Configuration, EachOpeningReadsTheAccountsAfresh) {
    press(logguer().btn_cfg);
    press(logguer().btn_cfg);
    db.exec("DELETE FROM compte;");
    press(logguer().btn_cfg);
    EXPECT_EQ(logins(), (std::vector<std::string>{"lst_cmpt"}));
    EXPECT_EQ(Module1::nb_comptes, 0);
}

TEST_F(Configuration, AnEmptyListOpensNothing) {
    select({u" Public"});
    press(logguer().btn_unlog);
    press(logguer().btn_cfg);
    EXPECT_FALSE(configcompte().IsLoaded());
    EXPECT_EQ(log_on_line(), "Ready !!!");
}

TEST_F(Configuration, ChoosingAnAccountChangesNothingAndOnlyTheFtpButtonOpens) {
    press(logguer().btn_cfg);
    auto& w = configcompte();
    QTest::keyClick(w.lst_cmpt, Qt::Key_Down);
    for (auto* button : {w.Command2, w.Command4, w.Command5, w.Command6}) {
        press(button);
    }
    EXPECT_EQ(ui::Forms::Count(), 3);
    for (auto* box : {w.Check1, w.Check2, w.Check3, w.Check4}) {
        EXPECT_EQ(box->Value(), 0);
    }
    for (auto* list : {w.List2, w.List3, w.List4, w.List5}) {
        EXPECT_EQ(list->ListCount(), 0);
    }

    press(w.Command1);
    ASSERT_TRUE(addftp().IsLoaded());
    EXPECT_EQ(addftp().Left(),
              ui::Screen::Width() - w.Width() - logguer().Width() - addftp().Width() - 20);
    press(w.Command1);  // already open: nothing more
    EXPECT_EQ(ui::Forms::Count(), 4);

    // Leaving the mode closes the editor and the configuration window together.
    press(logguer().btn_cfg);
    EXPECT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(log_on_line(), "Ready !!!");
    EXPECT_EQ(log_on_controls_enabled(), std::vector<bool>(7, true));
}

}  // namespace
