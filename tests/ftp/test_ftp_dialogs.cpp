#include "data/module1.h"
#include "ftp/addftp_form.h"
#include "ftp/rename_form.h"
#include "ftp_fixture.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "ui/screen.h"

namespace {

class FtpDialogs : public FtpWindow {
protected:
    FtpDialogs() { ftp().Load(); }

    static void press(ui::CommandButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static int resting_top(const ui::Form& dialog) {
        return ui::Screen::Height() - 400 - 40 * (dialog.Height() / 40);
    }

    const int SW = ui::Screen::Width();
};

TEST_F(FtpDialogs, TheEditorRisesLeftOfTheFtpWindowAndTheMenu) {
    press(ftp().btn_cfgFTP);
    auto& editor = addftp();
    ASSERT_TRUE(editor.IsLoaded());
    EXPECT_TRUE(editor.Visible());
    EXPECT_EQ(editor.Left(), SW - ftp().Width() - menu.Width() - editor.Width() - 20);
    EXPECT_EQ(editor.Top(), resting_top(editor));
}

TEST_F(FtpDialogs, TheRenameDialogRisesLeftOfTheFtpWindow) {
    press(ftp().Command2);
    auto& dialog = rename();
    ASSERT_TRUE(dialog.IsLoaded());
    EXPECT_EQ(dialog.Left(), SW - ftp().Width() - dialog.Width() - 10);
    EXPECT_EQ(dialog.Top(), resting_top(dialog));
}

TEST_F(FtpDialogs, RenameOverTheEditorStandsLeftOfTheEditor) {
    press(ftp().btn_cfgFTP);
    press(ftp().Command2);
    EXPECT_EQ(rename().Left(), SW - addftp().Width() - rename().Width() - 10);
}

TEST_F(FtpDialogs, TheEditorOverRenameCountsRenameAndTheFtpWindow) {
    press(ftp().Command2);
    press(ftp().btn_cfgFTP);
    EXPECT_EQ(addftp().Left(), SW - rename().Width() - ftp().Width() - addftp().Width() - 20);
}

TEST_F(FtpDialogs, OpeningAnOpenDialogAgainChangesNothing) {
    press(ftp().btn_cfgFTP);
    auto& editor = addftp();
    editor.Text1->setText(u"ann");
    const int left = editor.Left(), top = editor.Top();
    press(ftp().btn_cfgFTP);
    EXPECT_EQ(ui::Forms::Count(), 3);
    EXPECT_EQ(editor.Text1->Text(), u"ann");
    EXPECT_EQ(editor.Left(), left);
    EXPECT_EQ(editor.Top(), top);
}

TEST_F(FtpDialogs, NoButtonOfEitherDialogClosesItOrWritesAnything) {
    press(ftp().btn_cfgFTP);
    press(ftp().Command2);
    for (auto* button :
         {addftp().btn_rplc, addftp().Command1, addftp().btn_cancel, rename().Command1}) {
        press(button);
    }
    EXPECT_EQ(ui::Forms::Count(), 4);
    EXPECT_EQ(addftp().Text1->Text(), u"Text1");
    EXPECT_EQ(Module1::nb_sites, 0);
}

TEST_F(FtpDialogs, EveryLoadShowsTheInitialTexts) {
    press(ftp().btn_cfgFTP);
    auto& editor = addftp();
    editor.Text4->setText(u"2121");
    editor.Check1->setValue(1);
    editor.Unload();
    press(ftp().btn_cfgFTP);
    const std::vector<std::pair<ui::TextBox*, const char16_t*>> texts{{editor.Text1, u"Text1"},
                                                                      {editor.Text2, u"Text2"},
                                                                      {editor.Text3, u"Text3"},
                                                                      {editor.Text4, u"Text4"},
                                                                      {editor.Text5, u"Text5"}};
    for (const auto& [box, text] : texts) {
        EXPECT_EQ(box->Text(), text);
    }
    EXPECT_EQ(editor.Check1->Value(), 0);

    press(ftp().Command2);
    rename().Text1->setText(u"new");
    rename().Unload();
    press(ftp().Command2);
    EXPECT_EQ(rename().Text1->Text(), u"Text1");
}

// The real main menu over a scratch database, in place of the stand-in strip.
class FtpFromTheMenu : public FtpWindow {
protected:
    FtpFromTheMenu() {
        menu.Unload();
        base().set_windows(nullptr, nullptr, &ftp());
        base().Load();
        base().setVisible(true);
        QTest::mouseClick(base().btn_ftp, Qt::LeftButton);
        QTest::mouseClick(ftp().btn_cfgFTP, Qt::LeftButton);
        QTest::mouseClick(ftp().Command2, Qt::LeftButton);
    }

    test_support::ScratchDatabase db;
};

TEST_F(FtpFromTheMenu, AnotherWindowsButtonClosesAllThree) {
    ASSERT_EQ(ui::Forms::Count(), 4);
    QTest::mouseClick(base().btn_logger, Qt::LeftButton);
    EXPECT_EQ(ui::Forms::Count(), 1);
    EXPECT_FALSE(ftp().IsLoaded());
    EXPECT_FALSE(addftp().IsLoaded());
    EXPECT_FALSE(rename().IsLoaded());
}

TEST_F(FtpFromTheMenu, FtpWithTheDialogsOnTopOpensTheFtpWindowAfresh) {
    make_folder(c() / "a");
    ftp().chemin = u"c:\\a";
    QTest::mouseClick(base().btn_ftp, Qt::LeftButton);
    ASSERT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(&ui::Forms::Item(1), &ftp());
    EXPECT_EQ(ftp().chemin, u"c:");
    EXPECT_EQ(caption(), u"Files->c:");
}

}  // namespace
