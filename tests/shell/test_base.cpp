#include <gtest/gtest.h>

#include <QAccessible>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "data/module1.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "stand_in_forms.h"
#include "vb/fixed_text.h"

namespace {

// The real main menu over a scratch database, with stand-ins for the three windows and
// for a dialog of the login window.
class MainMenu : public ::testing::Test {
protected:
    MainMenu() {
        db.exec("INSERT INTO acceder VALUES ('" + test_support::filled(" Public") + "','" +
                test_support::filled("guest") + "',1,1);");
        base().set_windows(&login, &book, &ftp);
        base().Load();
        base().setVisible(true);
    }
    ~MainMenu() override {
        for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
            ui::Forms::Item(k).Unload();
        }
    }

    static void press(ui::CommandButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static std::vector<vb::String> captions() {
        std::vector<vb::String> result;
        for (int k = 0; k < ui::Forms::Count(); ++k) {
            result.push_back(ui::Forms::Item(k).Caption());
        }
        return result;
    }

    test_support::ScratchDatabase db;
    StandInForm login{u"Login", 2775, 7695};
    StandInForm book{u"Address Book", 4215, 8655};
    StandInForm ftp{u"FTP", 7455, 8295};
    StandInForm config{u"Configuration", 11055, 5910, Module1::show_dialog};
};

using Captions = std::vector<vb::String>;

TEST_F(MainMenu, TheFourButtonsFillTheStrip) {
    auto& menu = base();
    EXPECT_EQ(menu.btn_quitter->geometry().right() + 1, menu.window()->width());
}

TEST_F(MainMenu, LoadingPutsThePublicEntryFirstAndReadsItsRights) {
    using namespace Module1;
    EXPECT_EQ(nb_connectes, 1);
    EXPECT_EQ(connectes[0].loggin.text(), vb::fit(u" Public", 50));
    EXPECT_EQ(connectes[0].pwd.text(), vb::fit(u" ", 25));
    EXPECT_EQ(connectes.size(), 2u);
    ASSERT_EQ(nb_acces, 1);
    EXPECT_EQ(acces[0].psd.text(), vb::fit(u"guest", 50));
}

TEST_F(MainMenu, EachButtonOpensItsWindowAfterClosingWhatStoodAboveTheMenu) {
    press(base().btn_logger);
    EXPECT_EQ(captions(), (Captions{u"Base", u"Login"}));
    EXPECT_TRUE(login.Visible());

    press(base().btn_ftp);
    EXPECT_EQ(captions(), (Captions{u"Base", u"FTP"}));
    EXPECT_FALSE(login.IsLoaded());

    press(base().btn_carnet);
    EXPECT_EQ(captions(), (Captions{u"Base", u"Address Book"}));
}

TEST_F(MainMenu, TheButtonOfTheTopWindowOnlyClosesIt) {
    for (auto [button, form] : {std::pair{base().btn_logger, &login},
                                {base().btn_carnet, &book},
                                {base().btn_ftp, &ftp}}) {
        press(button);
        EXPECT_EQ(ui::Forms::Count(), 2);
        press(button);
        EXPECT_EQ(captions(), (Captions{u"Base"}));
        EXPECT_EQ(form->loads, 1);
        form->loads = 0;
    }
}

TEST_F(MainMenu, WithADialogOnTopBothCloseAndTheWindowLoadsAfresh) {
    press(base().btn_logger);
    config.Load();
    EXPECT_EQ(ui::Forms::Count(), 3);
    press(base().btn_logger);
    EXPECT_EQ(captions(), (Captions{u"Base", u"Login"}));
    EXPECT_EQ(login.loads, 2);
    EXPECT_FALSE(config.IsLoaded());
}

TEST_F(MainMenu, ClicksWhileAWindowSlidesInAreHeldOff) {
    // A press that arrives during the showing would unload the window mid-show.
    StandInForm impatient(u"Login", 2775, 7695, [] {
        auto* button = base().btn_logger;
        const QPointF centre = QRectF(button->rect()).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                button, new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                                        Qt::LeftButton, Qt::NoModifier));
        }
        Module1::show_window();
    });
    base().set_windows(&impatient, &book, &ftp);
    press(base().btn_logger);
    EXPECT_EQ(captions(), (Captions{u"Base", u"Login"}));
}

TEST_F(MainMenu, PressesFromAScreenReaderWhileAWindowSlidesInAreHeldOffToo) {
    StandInForm impatient(u"Login", 2775, 7695, [] {
        QTimer::singleShot(0, [] {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(base().btn_logger);
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        Module1::show_window();
    });
    base().set_windows(&impatient, &book, &ftp);
    press(base().btn_logger);
    // The accessible press ends in a click a moment later.
    const QDeadlineTimer deadline(10000);
    while (base().btn_logger->isDown() && !deadline.hasExpired()) {
        QTest::qWait(10);
    }
    EXPECT_FALSE(base().btn_logger->isDown());
    EXPECT_EQ(captions(), (Captions{u"Base", u"Login"}));
}

using MainMenuDeathTest = MainMenu;

TEST_F(MainMenuDeathTest, ExitEndsTheProcessAtOnceWithStatusZero) {
    EXPECT_EXIT(
        {
            press(base().btn_logger);
            press(base().btn_quitter);
            std::fputs("still running", stderr);
        },
        ::testing::ExitedWithCode(0), "^$");
}

TEST_F(MainMenuDeathTest, ACloseRequestOnTheMenuActsAsExit) {
    EXPECT_EXIT(
        {
            base().window()->close();
            std::fputs("still running", stderr);
        },
        ::testing::ExitedWithCode(0), "^$");
}

}  // namespace
