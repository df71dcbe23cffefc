// The main menu over a scratch database, with stand-ins for the windows it opens: what its
// load puts in memory, each button's close-and-compare, and input held off while a window
// slides in. Its keys and close request are in the table of every window's keys.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "data/module1.h"
#include "platform/vb/fixed_text.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "stand_in_forms.h"

namespace {

class MainMenu : public ::testing::Test {
protected:
    MainMenu() {
        db.exec("INSERT INTO acceder VALUES ('" + test_support::filled(" Public") + "','" +
                test_support::filled("guest") + "',1,1);");
        base().set_windows(&login, &book, &ftp);
        base().Load();
        base().setVisible(true);
    }
    ~MainMenu() override { unload_all(); }

    static void press(ui::CommandButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    test_support::ScratchDatabase db;
    StandInForm login{u"Login", 2775, 7695};
    StandInForm book{u"Address Book", 4215, 8655};
    StandInForm ftp{u"FTP", 7455, 8295};
};

TEST_F(MainMenu, LoadingPutsThePublicEntryFirstAndReadsItsRights) {
    using namespace Module1;
    ASSERT_EQ(nb_connectes, 1);
    EXPECT_EQ(connectes[0].loggin.text(), vb::fit(u" Public", 50));
    EXPECT_EQ(connectes[0].pwd.text(), vb::fit(u" ", 25));
    ASSERT_EQ(nb_acces, 1);
    EXPECT_EQ(acces[0].psd.text(), vb::fit(u"guest", 50));
}

TEST_F(MainMenu, EachButtonClosesWhatStandsAboveTheMenuAndOpensItsWindowUnlessItWasOnTop) {
    for (auto [button, form] : {std::pair{base().btn_logger, &login},
                                {base().btn_carnet, &book},
                                {base().btn_ftp, &ftp}}) {
        press(base().btn_ftp == button ? base().btn_logger : base().btn_ftp);
        press(button);
        EXPECT_EQ(captions(), "Base," + vb::to_utf8(form->Caption()));
        press(button);
        EXPECT_EQ(captions(), "Base");
    }
    press(base().btn_logger);
    StandInForm dialog(u"Configuration", 11055, 5910, Module1::show_dialog);
    dialog.Load();
    press(base().btn_logger);  // the dialog was on top: both close, the window loads afresh
    EXPECT_EQ(captions(), "Base,Login");
    EXPECT_EQ(login.loads, 4);
}

// A press that arrives while a window is being shown would unload it mid-show.
TEST_F(MainMenu, APressWhileAWindowSlidesInIsHeldOff) {
    StandInForm impatient(u"Login", 2775, 7695, [] {
        auto* button = base().btn_logger;
        const QPointF centre = QRectF(button->rect()).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                button, new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                                        Qt::LeftButton, {}));
        }
        Module1::show_window();
    });
    base().set_windows(&impatient, &book, &ftp);
    press(base().btn_logger);
    QTest::qWait(50);
    EXPECT_EQ(captions(), "Base,Login");
}

}  // namespace
