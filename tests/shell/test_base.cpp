// The main menu over a scratch database, with stand-ins for the windows it opens: what its
// load puts in memory, each button's close-and-compare, input held off while a window slides
// in, and "Exit".
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

using Captions = std::vector<vb::String>;

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
    static Captions captions() {
        Captions result;
        for (int k = 0; k < ui::Forms::Count(); ++k) {
            result.push_back(ui::Forms::Item(k).Caption());
        }
        return result;
    }

    test_support::ScratchDatabase db;
    StandInForm login{u"Login", 2775, 7695};
    StandInForm book{u"Address Book", 4215, 8655};
    StandInForm ftp{u"FTP", 7455, 8295};
};

TEST_F(MainMenu, LoadingPutsThePublicEntryFirstAndReadsItsRights) {
    using namespace Module1;
    EXPECT_EQ(base().btn_quitter->geometry().right() + 1, base().window()->width());
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
        EXPECT_EQ(captions(), (Captions{u"Base", form->Caption()}));
        press(button);
        EXPECT_EQ(captions(), (Captions{u"Base"}));
    }
    press(base().btn_logger);
    StandInForm dialog(u"Configuration", 11055, 5910, Module1::show_dialog);
    dialog.Load();
    press(base().btn_logger);  // the dialog was on top: both close, the window loads afresh
    EXPECT_EQ(captions(), (Captions{u"Base", u"Login"}));
    EXPECT_EQ(login.loads, 4);
}

// A press that arrives while a window is being shown would unload it mid-show: one by mouse,
// one from a screen reader, whose press ends in a click a moment later.
TEST_F(MainMenu, PressesWhileAWindowSlidesInAreHeldOff) {
    const std::function<void()> presses[] = {
        [] {
            auto* button = base().btn_logger;
            const QPointF centre = QRectF(button->rect()).center();
            for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(
                    button, new QMouseEvent(type, centre, button->mapToGlobal(centre),
                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            }
        },
        [] {
            QTimer::singleShot(0, [] {
                QAccessible::queryAccessibleInterface(base().btn_logger)
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
            });
        }};
    for (const auto& impatient_press : presses) {
        StandInForm impatient(u"Login", 2775, 7695, [&] {
            impatient_press();
            Module1::show_window();
        });
        base().set_windows(&impatient, &book, &ftp);
        press(base().btn_logger);
        const QDeadlineTimer deadline(10000);
        while (base().btn_logger->isDown() && !deadline.hasExpired()) {
            QTest::qWait(10);
        }
        QTest::qWait(50);
        EXPECT_EQ(captions(), (Captions{u"Base", u"Login"}));
        unload_all();
        base().Load();
    }
}

using MainMenuDeathTest = MainMenu;

TEST_F(MainMenuDeathTest, ExitOrACloseRequestEndsTheProcessAtOnceWithStatusZero) {
    EXPECT_EXIT(
        {
            press(base().btn_logger);
            press(base().btn_quitter);
            std::fputs("still running", stderr);
        },
        ::testing::ExitedWithCode(0), "^$");
    EXPECT_EXIT(
        {
            base().window()->close();
            std::fputs("still running", stderr);
        },
        ::testing::ExitedWithCode(0), "^$");
}

}  // namespace
