#include <gtest/gtest.h>

#include "shell/placement.h"
#include "stand_in_forms.h"
#include "ui/screen.h"

namespace {

using Module1::close_dialog;
using Module1::close_dialogs;
using Module1::close_windows;

// The menu and whatever a test loads above it, all unloaded afterwards.
class Placement : public ::testing::Test {
protected:
    Placement() {
        menu.Load();
        menu.setLeft(4980);
        menu.setTop(990);
        menu.setVisible(true);
    }
    ~Placement() override {
        for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
            ui::Forms::Item(k).Unload();
        }
    }

    const int SW = ui::Screen::Width();
    const int SH = ui::Screen::Height();
    StandInForm menu{u"Base", 2775, 255, nullptr};
};

TEST_F(Placement, ShowWindowSlidesInFromTheRightOntoTheBaseline) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    ASSERT_EQ(window.steps.size(), 2775u / 40 + 1 + 1);  // the Top, then one Left a step
    EXPECT_EQ(window.steps.front().top, SH - 7695 - 400);
    EXPECT_EQ(window.steps[1], (Position{SW, SH - 7695 - 400, false}));
    EXPECT_EQ(window.Left(), SW - 40 * (2775 / 40));
    EXPECT_EQ(window.Top(), SH - 7695 - 400);
    EXPECT_TRUE(window.Visible());
    for (std::size_t k = 1; k < window.steps.size(); ++k) {
        EXPECT_EQ(window.steps[k].left, SW - 40 * int(k - 1));
    }
}

TEST_F(Placement, AWidthThatIsAMultipleOfFortyEndsFlush) {
    StandInForm window(u"FTP", 4000, 3000);
    window.Load();
    EXPECT_EQ(window.Left() + window.Width(), SW);
}

TEST_F(Placement, ShowDialogRisesLeftOfTheWindowBelow) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    StandInForm dialog(u"Configuration", 11055, 5910, Module1::show_dialog);
    dialog.Load();
    EXPECT_EQ(dialog.Left(), SW - 2775 - 11055 - 10);  // may lie beyond the left edge
    EXPECT_EQ(dialog.Top(), SH - 400 - 40 * (5910 / 40));
    EXPECT_EQ(dialog.steps.size(), 5910u / 40 + 1 + 1);
    EXPECT_EQ(dialog.steps[1].top, SH - 400);
}

TEST_F(Placement, ShowDialog2CountsTheTwoWindowsBelowItTheMenuIncluded) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    StandInForm dialog(u"Change Password", 3615, 1200, Module1::show_dialog2);
    dialog.Load();
    EXPECT_EQ(dialog.Left(), SW - 2775 - 2775 - 3615 - 20);
    EXPECT_EQ(dialog.Top() + dialog.Height(), SH - 400);  // 1200 is a multiple of 40
}

TEST_F(Placement, CloseDialogPutsTheDialogBackThenSinksAndUnloads) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    StandInForm dialog(u"Confirm", 3975, 495, Module1::show_dialog);
    dialog.Load();
    const int left = dialog.Left();
    dialog.setTop(100);  // as if the user had moved it
    dialog.steps.clear();
    close_dialog();
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(ui::Forms::Count(), 2);
    ASSERT_EQ(dialog.steps.size(), 495u / 10 + 1);
    EXPECT_EQ(dialog.steps.front(), (Position{left, SH - 495 - 400, true}));
    EXPECT_EQ(dialog.steps.back().top, SH - 5 - 400);
}

TEST_F(Placement, CloseWindowsWithOnlyTheMenuDoesNothing) {
    close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    EXPECT_TRUE(menu.IsLoaded());
}

TEST_F(Placement, CloseWindowsSlidesOneWindowOutToTheRight) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    window.setLeft(0);  // moved by the user
    window.steps.clear();
    close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    ASSERT_EQ(window.steps.size(), 2775u / 10 + 1);
    EXPECT_EQ(window.steps.front().left, SW - 2775);
    EXPECT_EQ(window.steps.back().left, SW - 5);
    EXPECT_EQ(window.steps.back().top, SH - 7695 - 400);
}

TEST_F(Placement, CloseWindowsSinksTheDialogFirstThenTheWindow) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    StandInForm dialog(u"Configuration", 11055, 5910, Module1::show_dialog);
    dialog.Load();
    window.steps.clear();
    dialog.steps.clear();
    close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    EXPECT_EQ(dialog.steps.size(), 5910u / 10 + 1);
    EXPECT_EQ(window.steps.size(), 2775u / 10 + 1);
}

TEST_F(Placement, WithThreeWindowsAboveTheMenuEachLeavesWithItsOwnMovement) {
    StandInForm ftp(u"FTP", 7455, 8295);
    ftp.Load();
    StandInForm editor(u"Add New FTP", 3255, 2895, Module1::show_dialog2);
    editor.Load();
    StandInForm rename(u"Rename", 3270, 495, Module1::show_dialog);
    rename.Load();
    EXPECT_EQ(editor.Left(), SW - 7455 - 2775 - 3255 - 20);
    EXPECT_EQ(rename.Left(), SW - 3255 - 3270 - 10);
    for (auto* form : {&ftp, &editor, &rename}) {
        form->steps.clear();
    }
    close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    EXPECT_EQ(rename.steps.size(), 495u / 10 + 1);   // sank
    EXPECT_EQ(editor.steps.size(), 2895u / 10 + 1);  // sank
    EXPECT_EQ(ftp.steps.size(), 7455u / 10 + 1);     // slid out
    EXPECT_EQ(ftp.steps.back().left, SW - 5);
}

TEST_F(Placement, CloseDialogsWithThreeWindowsAboveTheMenuLeavesTheWorkingWindow) {
    StandInForm login(u"Login", 2775, 7695);
    login.Load();
    StandInForm config(u"Configuration", 11055, 5910, Module1::show_dialog);
    config.Load();
    StandInForm editor(u"Add New FTP", 3255, 2895, Module1::show_dialog2);
    editor.Load();
    close_dialogs();
    ASSERT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(&ui::Forms::Item(1), &login);
    EXPECT_FALSE(config.IsLoaded());
    EXPECT_FALSE(editor.IsLoaded());
}

}  // namespace
