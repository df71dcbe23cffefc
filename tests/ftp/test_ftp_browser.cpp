#include <algorithm>

#include "data/module1.h"
#include "ftp_fixture.h"
#include "vb/runtime_error.h"

namespace {

using Lines = std::vector<vb::String>;

// The lines in list order with the folder lines and the file lines each sorted, since the
// file system decides the order within each group.
Lines grouped(Lines lines) {
    const auto files = std::find_if(lines.begin(), lines.end(), [](const vb::String& line) {
        return line.starts_with(u"    ");
    });
    std::sort(lines.begin() + 1, files);
    std::sort(files, lines.end());
    return lines;
}

TEST_F(FtpWindow, OpensAtTheRootOfTheCurrentDriveWithFoldersBeforeFiles) {
    make_folder(c() / "beta");
    make_folder(c() / "alpha");
    make_file(c() / "readme.txt");
    make_file(c() / "zeta");
    make_file(c() / ".profile");
    make_folder(c() / ".cache");
    ftp().Load();

    EXPECT_TRUE(ftp().Visible());
    EXPECT_EQ(caption(), u"Files->c:");
    EXPECT_EQ(ftp().chemin, u"c:");
    EXPECT_EQ(ftp().drive->Drive(), u"c:");
    EXPECT_EQ(grouped(lines()),
              (Lines{u"   \\..", u"  alpha", u"  beta", u"    readme.txt", u"    zeta"}));
    EXPECT_EQ(ftp().nb_dossiers, 2);
    EXPECT_EQ(ftp().nb_fichiers, 4);
}

TEST_F(FtpWindow, WalksIntoFoldersAndBackUpToATwoCharacterRoot) {
    make_folder(c() / "a" / "b");
    make_file(c() / "a" / "b" / "inner.txt");
    ftp().Load();

    double_click_line(1);
    EXPECT_EQ(caption(), u"Files->c:\\a");
    EXPECT_EQ(lines(), (Lines{u"   \\..", u"  b"}));
    double_click_line(1);
    EXPECT_EQ(caption(), u"Files->c:\\a\\b");
    EXPECT_EQ(lines(), (Lines{u"   \\..", u"    inner.txt"}));
    EXPECT_TRUE(Module1::confirme_ok);

    double_click_line(0);
    EXPECT_EQ(ftp().chemin, u"c:\\a");
    double_click_line(0);
    EXPECT_EQ(ftp().chemin, u"c:");
    EXPECT_EQ(caption(), u"Files->c:");
    EXPECT_EQ(lines(), (Lines{u"   \\..", u"  a"}));
}

TEST_F(FtpWindow, TheParentLineAtARootReadsTheRootAgain) {
    make_folder(c() / "a");
    ftp().Load();
    make_file(c() / "new.txt");
    Module1::confirme_ok = false;
    double_click_line(0);
    EXPECT_EQ(ftp().chemin, u"c:");
    EXPECT_EQ(lines(), (Lines{u"   \\..", u"  a", u"    new.txt"}));
    EXPECT_TRUE(Module1::confirme_ok);
}

TEST_F(FtpWindow, AFileLineChangesNothingAndLeavesTheFlagFalse) {
    make_folder(c() / "a");
    make_file(c() / "file.txt");
    ftp().Load();
    const Lines before = lines();
    make_file(c() / "later.txt");
    Module1::confirme_ok = true;
    double_click_line(2);
    EXPECT_FALSE(Module1::confirme_ok);
    EXPECT_EQ(lines(), before);  // not read again
    EXPECT_EQ(caption(), u"Files->c:");
}

TEST_F(FtpWindow, ADoubleClickWithNoLineSelectedDoesNothing) {
    make_folder(c() / "a");
    ftp().Load();
    ftp().lst_FILE->setListIndex(-1);
    Module1::confirme_ok = false;
    ftp().lst_FILE_DblClick();
    EXPECT_FALSE(Module1::confirme_ok);
    EXPECT_EQ(ftp().chemin, u"c:");
}

TEST_F(FtpWindow, AnotherDriveShowsItsRootWhateverFolderWasOpen) {
    make_folder(c() / "a" / "b");
    make_folder(d() / "photos");
    make_file(d() / "notes.txt");
    ftp().Load();
    double_click_line(1);
    double_click_line(1);
    ASSERT_EQ(ftp().chemin, u"c:\\a\\b");

    ftp().drive->setListIndex(1);
    EXPECT_EQ(ftp().drive->Drive(), u"d: [USB]");
    EXPECT_EQ(caption(), u"Files->d:");
    EXPECT_EQ(lines(), (Lines{u"   \\..", u"  photos", u"    notes.txt"}));
    double_click_line(1);
    EXPECT_EQ(caption(), u"Files->d:\\photos");
}

TEST_F(FtpWindow, EmptyFoldersAndFoldersWithoutSubfolders) {
    make_folder(c() / "empty");
    make_folder(c() / "flat");
    make_file(c() / "flat" / "one");
    make_file(c() / "flat" / "two");
    ftp().Load();
    ftp().chemin = u"c:\\empty";
    ftp().lire_dossier();
    ftp().afficher_dossier();
    EXPECT_EQ(lines(), (Lines{u"   \\.."}));
    EXPECT_EQ(ftp().nb_fichiers, 0);

    ftp().chemin = u"c:\\flat";
    ftp().lire_dossier();
    ftp().afficher_dossier();
    EXPECT_EQ(grouped(lines()), (Lines{u"   \\..", u"    one", u"    two"}));
    EXPECT_EQ(ftp().nb_dossiers, 0);
}

TEST_F(FtpWindow, OddNamesNeverLeadIntoAnotherFolder) {
    make_folder(c() / "a" / "b");
    make_folder(c() / "a\\b");  // one name holding a backslash
    make_file(c() / "a\\b" / "decoy");
    const std::string latin1 = "caf\xe9";  // not UTF-8
    make_folder(c() / latin1);
    make_file(c() / latin1 / "inside");
    ftp().Load();
    const Lines shown = lines();
    ASSERT_EQ(shown.size(), 3u);  // the parent line, "a" and the Latin-1 folder
    const auto odd = std::find_if(shown.begin() + 1, shown.end(),
                                  [](const vb::String& line) { return line != u"  a"; });
    ASSERT_NE(odd, shown.end());
    double_click_line(int(odd - shown.begin()));
    EXPECT_EQ(lines(), (Lines{u"   \\..", u"    inside"}));
}

TEST_F(FtpWindow, BrowsesThisMachinesRootFileSystemAsDriveC) {
    fs::set_drive_table(std::nullopt);
    ftp().Load();
    ftp().drive->setDrive(u"c:");
    ftp().ouvrir_lecteur();
    EXPECT_EQ(caption(), u"Files->c:");
    const Lines shown = lines();
    EXPECT_NE(std::find(shown.begin(), shown.end(), u"  usr"), shown.end());
}

struct CaptionCase {
    std::size_t path_length;
    const char16_t* expected_tail;  // what follows "Files->" after "c:\"
};

class LongPaths : public FtpWindow, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(LongPaths, CutTheCaptionToTheLast32CharactersBeyond35) {
    // The folder name fills the path "c:\" + name up to the length asked for.
    const std::string name(GetParam().path_length - 3, 'n');
    make_folder(c() / name);
    ftp().Load();
    double_click_line(1);
    ASSERT_EQ(ftp().chemin.size(), GetParam().path_length);
    EXPECT_EQ(caption(), vb::String(u"Files->") + GetParam().expected_tail);
    EXPECT_EQ(ftp().chemin_affiche.size(), std::min<std::size_t>(35, GetParam().path_length));
}

INSTANTIATE_TEST_SUITE_P(Captions, LongPaths,
                         ::testing::Values(CaptionCase{35, u"c:\\nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"},
                                           CaptionCase{36,
                                                       u"...nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"}));

TEST_F(FtpWindow, TheFtpPanelStaysEmptyWhateverTheDataStoreHolds) {
    using namespace Module1;
    nb_sites = 0;
    sites.redim_preserve(1);
    sites[0] = SiteFtp{u"anonymous", u"ftp.example.org", u"", 21, u"Example"};
    nb_sites = 1;
    ftp().Load();
    EXPECT_EQ(ftp().lst_FTP->ListCount(), 0);
    EXPECT_EQ(ftp().cmb_selFTP->ListCount(), 0);
    EXPECT_EQ(ftp().txt_state->Text(), u"Text1\r\n");
    EXPECT_FALSE(ftp().txt_state->isEnabled());
    QTest::mouseClick(ftp().btn_delFTP, Qt::LeftButton);
    QTest::mouseClick(ftp().Command1, Qt::LeftButton);
    EXPECT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(nb_sites, 1);
    nb_sites = 0;
}

TEST_F(FtpWindow, AFolderOf32767EntriesEndsInOverflow) {
    make_folder(c() / "big");
    for (int k = 0; k < 32766; ++k) {
        make_file(c() / "big" / std::to_string(k));
    }
    ftp().Load();
    ftp().chemin = u"c:\\big";
    ftp().lire_dossier();
    ftp().afficher_dossier();
    EXPECT_EQ(ftp().lst_FILE->ListCount(), 32767);  // the parent line and 32766 files

    make_file(c() / "big" / "one more");
    ftp().lire_dossier();
    try {
        ftp().afficher_dossier();
        FAIL() << "no overflow";
    } catch (const vb::RuntimeError& error) {
        EXPECT_EQ(error.number(), vb::kOverflow);
    }
}

}  // namespace
