// The configuration (access-rights) window, opened and closed by the login window's
// "Configuration" button over a scratch database, driven as a user would.
#include <gtest/gtest.h>

#include <QTest>

#include "accounts/logguer_form.h"
#include "config/configcompte_form.h"
#include "ftp/addftp_form.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "stand_in_forms.h"

namespace {

using test_support::filled;

class Configuration : public ::testing::Test {
protected:
    Configuration() {
        db.exec("INSERT INTO compte VALUES ('" + filled("bob") + "','b'), ('" + filled("ann") +
                "','a');");
        base().Load();
        logguer().Load();
    }
    ~Configuration() override { unload_all(); }

    static void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static std::vector<std::string> logins() {
        std::vector<std::string> result;
        for (int k = 0; k < configcompte().lst_cmpt->ListCount(); ++k) {
            result.push_back(vb::to_utf8(configcompte().lst_cmpt->List(k)));
        }
        return result;
    }
    // The log-on controls, then the window's message line.
    static std::vector<std::string> log_on_state() {
        auto& w = logguer();
        std::vector<std::string> state;
        for (QWidget* control : std::initializer_list<QWidget*>{
                 w.List, w.btn_chgpwd, w.btn_supprimer, w.btn_unlog, w.txt_psd}) {
            state.push_back(control->isEnabled() ? "on" : "off");
        }
        state.push_back(vb::to_utf8(w.lbl_LOA->Caption()));
        return state;
    }

    test_support::ScratchDatabase db;
};

using State = std::vector<std::string>;

TEST_F(Configuration, TheModeDisablesLogOnListsTheStoredLoginsAndOpensOnlyTheFtpEditor) {
    press(logguer().btn_cfg);
    auto& w = configcompte();
    ASSERT_TRUE(w.IsLoaded());
    EXPECT_EQ(log_on_state(), (State{"off", "off", "off", "off", "off", "Disable"}));
    EXPECT_EQ(logins(), (State{filled("ann"), filled("bob"), "lst_cmpt"}));  // whole, sorted
    QTest::keyClick(w.lst_cmpt, Qt::Key_Down);
    for (auto* button : {w.Command2, w.Command4, w.Command5, w.Command6}) {
        press(button);
    }
    EXPECT_EQ(ui::Forms::Count(), 3);
    EXPECT_EQ(w.Check1->Value() + w.Check4->Value() + w.List2->ListCount(), 0);
    press(w.Command1);
    press(w.Command1);  // already open: nothing more
    EXPECT_TRUE(addftp().IsLoaded());
    EXPECT_EQ(ui::Forms::Count(), 4);

    press(logguer().btn_cfg);  // the editor and the configuration window go together
    EXPECT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(log_on_state(), (State{"on", "on", "on", "on", "on", "Ready !!!"}));
    db.exec("DELETE FROM compte;");
    press(logguer().btn_cfg);
    EXPECT_EQ(logins(), (State{"lst_cmpt"}));  // read again at every opening
    press(logguer().btn_cfg);
    EXPECT_FALSE(w.IsLoaded());
}

TEST_F(Configuration, AnEmptyListOpensNothing) {
    auto* list = logguer().List;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    press(logguer().btn_unlog);
    press(logguer().btn_cfg);
    EXPECT_FALSE(configcompte().IsLoaded());
    EXPECT_EQ(log_on_state().back(), "Ready !!!");
}

}  // namespace
