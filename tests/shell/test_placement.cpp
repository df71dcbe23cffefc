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
    const int W = window.Width(), H = window.Height();
    ASSERT_EQ(window.steps.size(), std::size_t(W / 40 + 1 + 1));  // the Top, then a Left a step
    EXPECT_EQ(window.steps.front().top, SH - H - 400);
    EXPECT_EQ(window.steps[1], (Position{SW, SH - H - 400, false}));
    EXPECT_EQ(window.Left(), SW - 40 * (W / 40));
    EXPECT_EQ(window.Top(), SH - H - 400);
    EXPECT_TRUE(window.Visible());
    for (std::size_t k = 1; k < window.steps.size(); ++k) {
        EXPECT_EQ(window.steps[k].left, SW - 40 * int(k - 1));
    }
}

TEST_F(Placement, AWidthThatIsAMultipleOfFortyEndsFlush) {
    // The outer width is the client width and the frame; choose a client that makes it 4000.
    StandInForm probe(u"FTP", 4000, 3000, nullptr);
    probe.Load();
    const int frame = probe.Width() - 4000;
    probe.Unload();
    StandInForm window(u"FTP", 4000 - frame, 3000);
    window.Load();
    ASSERT_EQ(window.Width(), 4000);
    EXPECT_EQ(window.Left() + window.Width(), SW);
}

TEST_F(Placement, ShowDialogRisesLeftOfTheWindowBelow) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    StandInForm dialog(u"Configuration", 11055, 5910, Module1::show_dialog);
    dialog.Load();
    const int H = dialog.Height();
    EXPECT_EQ(dialog.Left(), SW - window.Width() - dialog.Width() - 10);  // beyond the left edge
    EXPECT_LT(dialog.Left(), 0);
    EXPECT_EQ(dialog.Top(), SH - 400 - 40 * (H / 40));
    EXPECT_EQ(dialog.steps.size(), std::size_t(H / 40 + 1 + 1));
    EXPECT_EQ(dialog.steps[1].top, SH - 400);
}

TEST_F(Placement, ShowDialog2CountsTheTwoWindowsBelowItTheMenuIncluded) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    StandInForm dialog(u"Change Password", 3615, 1215, Module1::show_dialog2);
    dialog.Load();
    const int H = dialog.Height();
    EXPECT_EQ(dialog.Left(), SW - window.Width() - menu.Width() - dialog.Width() - 20);
    EXPECT_EQ(dialog.Top() + H, SH - 400 + H % 40);  // the bottom edge H mod 40 below
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
    const int H = dialog.Height();
    ASSERT_EQ(dialog.steps.size(), std::size_t(H / 10 + 1));
    EXPECT_EQ(dialog.steps.front(), (Position{left, SH - H - 400, true}));
    EXPECT_EQ(dialog.steps.back().top, SH - H % 10 - 400);
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
    const int W = window.Width();
    close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    ASSERT_EQ(window.steps.size(), std::size_t(W / 10 + 1));
    EXPECT_EQ(window.steps.front().left, SW - W);
    EXPECT_EQ(window.steps.back().left, SW - W % 10);
    EXPECT_EQ(window.steps.back().top, window.steps.front().top);
}

TEST_F(Placement, CloseWindowsSinksTheDialogFirstThenTheWindow) {
    StandInForm window(u"Login", 2775, 7695);
    window.Load();
    StandInForm dialog(u"Configuration", 11055, 5910, Module1::show_dialog);
    dialog.Load();
    window.steps.clear();
    dialog.steps.clear();
    const int W = window.Width(), H = dialog.Height();
    close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    EXPECT_EQ(dialog.steps.size(), std::size_t(H / 10 + 1));
    EXPECT_EQ(window.steps.size(), std::size_t(W / 10 + 1));
}

TEST_F(Placement, WithThreeWindowsAboveTheMenuEachLeavesWithItsOwnMovement) {
    StandInForm ftp(u"FTP", 7455, 8295);
    ftp.Load();
    StandInForm editor(u"Add New FTP", 3255, 2895, Module1::show_dialog2);
    editor.Load();
    StandInForm rename(u"Rename", 3270, 495, Module1::show_dialog);
    rename.Load();
    EXPECT_EQ(editor.Left(), SW - ftp.Width() - menu.Width() - editor.Width() - 20);
    EXPECT_EQ(rename.Left(), SW - editor.Width() - rename.Width() - 10);
    for (auto* form : {&ftp, &editor, &rename}) {
        form->steps.clear();
    }
    close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    EXPECT_EQ(rename.steps.size(), std::size_t(rename.Height() / 10 + 1));  // sank
    EXPECT_EQ(editor.steps.size(), std::size_t(editor.Height() / 10 + 1));  // sank
    EXPECT_EQ(ftp.steps.size(), std::size_t(ftp.Width() / 10 + 1));         // slid out
    EXPECT_EQ(ftp.steps.back().left, SW - ftp.Width() % 10);
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
