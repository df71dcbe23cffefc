// How the program moves windows in and out: working windows slide in from the right onto a
// baseline 400 twips above the screen's bottom, dialogs rise beside the windows below them,
// and closing reverses it, a dialog sinking before its working window slides out.
#include <gtest/gtest.h>

#include "platform/ui/screen.h"
#include "shell/placement.h"
#include "stand_in_forms.h"

namespace {

// The menu strip and whatever a test loads above it, all unloaded afterwards.
class Placement : public ::testing::Test {
protected:
    Placement() {
        menu.Load();
        menu.setVisible(true);
        login.Load();
    }
    ~Placement() override { unload_all(); }

    const int SW = ui::Screen::Width();
    const int SH = ui::Screen::Height();
    StandInForm menu{u"Base", 2775, 255, nullptr};
    StandInForm login{u"Login", 2775, 7695};
    StandInForm config{u"Configuration", 11055, 5910, Module1::show_dialog};
    StandInForm editor{u"Add New FTP", 3255, 2895, Module1::show_dialog2};
};

TEST_F(Placement, AWorkingWindowSlidesInFromTheRightOntoTheBaselineEndingFlush) {
    const int W = login.Width(), H = login.Height();
    ASSERT_EQ(login.steps.size(), std::size_t(W / 40 + 2));  // the Top, then a Left a step
    for (std::size_t k = 1; k < login.steps.size(); ++k) {
        EXPECT_EQ(login.steps[k], (Position{SW - 40 * int(k - 1), SH - H - 400, k > 1}));
    }
    login.Unload();
    // A client width that makes the outer width 4000, a multiple of the step.
    StandInForm wide(u"FTP", 4000 - (W - 2775), 3000);
    wide.Load();
    ASSERT_EQ(wide.Width(), 4000);
    EXPECT_EQ(wide.Left() + wide.Width(), SW);
}

TEST_F(Placement, DialogsRiseLeftOfTheOneWindowOrTheTwoBelowThem) {
    config.Load();
    const int H = config.Height();
    EXPECT_EQ(config.Left(), SW - login.Width() - config.Width() - 10);
    ASSERT_EQ(config.steps.size(), std::size_t(H / 40 + 2));
    EXPECT_EQ(config.steps[1].top, SH - 400);
    EXPECT_EQ(config.Top(), SH - 400 - 40 * (H / 40));
    editor.Load();
    EXPECT_EQ(editor.Left(), SW - config.Width() - login.Width() - editor.Width() - 20);
}

TEST_F(Placement, ClosingSinksEachDialogThenSlidesTheWorkingWindowOut) {
    config.Load();
    editor.Load();
    Module1::close_dialogs();
    EXPECT_EQ(ui::Forms::Count(), 2);
    const int H = config.Height();
    ASSERT_EQ(config.steps.size(), std::size_t(H / 40 + 2 + H / 10 + 1));
    EXPECT_EQ(config.steps[H / 40 + 2], (Position{config.Left(), SH - H - 400, true}));
    EXPECT_EQ(config.steps.back().top, SH - H % 10 - 400);

    config.Load();
    login.setLeft(0);  // moved by the user
    login.steps.clear();
    Module1::close_windows();
    EXPECT_EQ(ui::Forms::Count(), 1);
    EXPECT_FALSE(config.IsLoaded());
    EXPECT_EQ(config.steps.size(), std::size_t(H / 40 + 2 + H / 10 + 1));  // sank
    const int W = login.Width();
    ASSERT_EQ(login.steps.size(), std::size_t(W / 10 + 1));
    EXPECT_EQ(login.steps.front(), (Position{SW - W, SH - login.Height() - 400, true}));
    EXPECT_EQ(login.steps.back().left, SW - W % 10);
    Module1::close_windows();  // only the menu: nothing
    EXPECT_TRUE(menu.IsLoaded());
}

}  // namespace
