// The FTP window driven as a user would: its local browser over two drives mapped onto
// folders of the test's own, and the buttons that open its two dialogs.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "data/module1.h"
#include "ftp/addftp_form.h"
#include "ftp/ftp_form.h"
#include "ftp/rename_form.h"
#include "platform/fs/drives.h"
#include "stand_in_forms.h"

namespace {

const vb::String kUp = u"   \\..";

class FtpWindow : public ::testing::Test {
protected:
    FtpWindow() {
        fs::set_drive_table(std::vector<fs::Drive>{{u"c:", u"", c.path().toStdString(), false},
                                                   {u"d:", u"USB", d.path().toStdString(), true}});
        menu.Load();
    }
    ~FtpWindow() override {
        unload_all();
        fs::set_drive_table(std::nullopt);
    }

    // Made in a drive's folder, a name ending in "/" a folder.
    static void make(const QTemporaryDir& drive, std::initializer_list<std::string> names) {
        for (const std::string& name : names) {
            const auto path = std::filesystem::path(drive.path().toStdString()) / name;
            std::filesystem::create_directories(path.parent_path());
            if (!name.ends_with('/')) {
                std::ofstream(path) << "x";
            }
        }
    }

    static Lines lines() { return lines_of(*ftp().lst_FILE); }

    // A click on line `k`, then the second press as a double-click, as the window system
    // sends them.
    static void double_click(int k) {
        auto* list = ftp().lst_FILE;
        list->scrollTo(list->model()->index(k, 0));
        const QPoint centre = list->visualRect(list->model()->index(k, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    }

    static vb::String caption() { return ftp().Frame1->Caption(); }

    QTemporaryDir c;
    QTemporaryDir d;
    StandInForm menu{u"Base", 2775, 255, nullptr};
};

// One folder and one file a level, since the file system decides the order within each.
TEST_F(FtpWindow, BrowsesFoldersCutsPathsBeyond35CharactersAndOpensEachDialogOnce) {
    const vb::String n25(25, u'n');
    make(c, {"alpha/b/inner.txt", "alpha/b/" + std::string(25, 'n') + "/", ".cache/", "readme.txt",
             ".profile"});
    make(d, {std::string(32, 'n') + "/", "notes.txt"});
    ftp().Load();
    EXPECT_EQ(lines(), (Lines{kUp, u"  alpha", u"    readme.txt"}));
    double_click(1);
    EXPECT_EQ(lines(), (Lines{kUp, u"  b"}));
    double_click(1);  // the last folder line
    EXPECT_EQ(caption(), u"Files->c:\\alpha\\b");
    EXPECT_EQ(lines(), (Lines{kUp, u"  " + n25, u"    inner.txt"}));
    make(c, {"alpha/b/later.txt"});
    double_click(2);  // a file line: not even read again
    EXPECT_FALSE(Module1::confirme_ok);
    EXPECT_EQ(lines(), (Lines{kUp, u"  " + n25, u"    inner.txt"}));
    double_click(1);  // a path of 36 characters
    EXPECT_EQ(caption(), u"Files->...lpha\\b\\" + n25);
    double_click(0);
    EXPECT_EQ(caption(), u"Files->c:\\alpha\\b");
    double_click(0);
    double_click(0);
    make(c, {"new.txt"});
    double_click(0);  // at the root: the root read again
    EXPECT_TRUE(Module1::confirme_ok);
    EXPECT_EQ(caption(), u"Files->c:");
    EXPECT_EQ(lines().size(), 4u);

    ftp().drive->setListIndex(1);
    EXPECT_EQ(lines(), (Lines{kUp, u"  " + vb::String(32, u'n'), u"    notes.txt"}));
    double_click(1);  // a path of 35 characters
    EXPECT_EQ(caption(), u"Files->d:\\" + vb::String(32, u'n'));
    ftp().lst_FILE->setListIndex(-1);  // a double-click that names no line does nothing
    ftp().lst_FILE_DblClick();
    EXPECT_EQ(ftp().chemin.size(), 35u);
    for (auto* button : {ftp().btn_cfgFTP, ftp().Command2, ftp().btn_cfgFTP, ftp().Command2}) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    for (auto* inert :
         {addftp().btn_rplc, addftp().Command1, addftp().btn_cancel, rename().Command1}) {
        QTest::mouseClick(inert, Qt::LeftButton);  // "Cancel" and "Ok" close nothing either
    }
    EXPECT_EQ(captions(), "FTP,Add New FTP,Rename");  // each once, none closed
}

}  // namespace
