#include "ftp/ftp_form.h"

#include <vector>

#include "data/module1.h"
#include "fs/attributes.h"
#include "fs/dir_listing.h"
#include "ftp/addftp_form.h"
#include "ftp/rename_form.h"
#include "shell/placement.h"
#include "ui/label.h"
#include "vb/runtime_error.h"

namespace {

constexpr char16_t kParentEntry[] = u" \\..";
constexpr std::size_t kLongestShownPath = 35;
constexpr std::size_t kShownTail = 32;

}  // namespace

FtpForm::FtpForm() : ui::Form(u"FTP", 7455, 8295) {}

void FtpForm::create_controls(QWidget& client) {
    Frame1 = add<ui::Frame>(client, "Frame1", {120, 120, 3375, 6735}, 11);
    Frame1->setCaption(u"Local Files");
    lst_FILE = add<ui::ListBox>(*Frame1, "lst_FILE", {120, 240, 3135, 5910}, 2);
    lst_FILE->setColumns(true);
    lst_FILE->onDblClick([this] { lst_FILE_DblClick(); });
    // No label stands beside the lists and boxes of this window: their frames name them,
    // the local ones by the folder that the frame's caption shows.
    ui::set_label(*Frame1, *lst_FILE);
    drive = add<ui::DriveListBox>(*Frame1, "drive", {120, 6240, 3135, 315}, 10);
    drive->onChange([this] { drive_Change(); });

    Frame2 = add<ui::Frame>(client, "Frame2", {3600, 120, 3735, 6735}, 12);
    Frame2->setCaption(u"FTP Files");
    lst_FTP = add<ui::ListBox>(*Frame2, "lst_FTP", {120, 240, 3495, 4350}, 1);
    lst_FTP->setColumns(true);
    ui::set_label(*Frame2, *lst_FTP);

    File = add<ui::Frame>(*Frame2, "File", {120, 4800, 3495, 615}, 13);
    File->setCaption(u"File / Fold");
    Command1 = add<ui::CommandButton>(*File, "Command1", {120, 240, 615, 255}, 5);
    Command1->setCaption(u"Delete");
    Command2 = add<ui::CommandButton>(*File, "Command2", {840, 240, 735, 255}, 6);
    Command2->setCaption(u"Rename");
    Command2->onClick([this] { Command2_Click(); });
    Command3 = add<ui::CommandButton>(*File, "Command3", {1680, 240, 375, 255}, 7);
    Command3->setCaption(u"Cut");
    Command4 = add<ui::CommandButton>(*File, "Command4", {2160, 240, 495, 255}, 8);
    Command4->setCaption(u"Copy");
    Command5 = add<ui::CommandButton>(*File, "Command5", {2760, 240, 615, 255}, 9);
    Command5->setCaption(u"Paste");

    // Created before the three controls that lie within it, so that it is drawn behind them.
    Frame4 = add<ui::Frame>(*Frame2, "Frame4", {120, 5520, 3495, 1095}, 14);
    Frame4->setCaption(u"FTP");
    cmb_selFTP = add<ui::ComboBox>(*Frame2, "cmb_selFTP", {240, 5760, 3255, 315}, 4);
    cmb_selFTP->setStyle(ui::ComboBox::Style::kDropDownList);
    ui::set_label(*Frame4, *cmb_selFTP);
    btn_cfgFTP = add<ui::CommandButton>(*Frame2, "btn_cfgFTP", {240, 6240, 1815, 255}, 3);
    btn_cfgFTP->setCaption(u"Add / Configure");
    btn_cfgFTP->onClick([this] { btn_cfgFTP_Click(); });
    btn_delFTP = add<ui::CommandButton>(*Frame2, "btn_delFTP", {2160, 6240, 1335, 255}, 0);
    btn_delFTP->setCaption(u"Delete");

    Frame3 = add<ui::Frame>(client, "Frame3", {120, 6960, 7215, 1215}, 15);
    Frame3->setCaption(u"State");
    txt_state = add<ui::TextBox>(*Frame3, "txt_state", {120, 240, 6975, 855}, 16);
    txt_state->setMultiLine(true, ui::TextBox::ScrollBars::kVertical);
    txt_state->setText(u"Text1\r\n");
    txt_state->setEnabled(false);
    ui::set_label(*Frame3, *txt_state);
}

void FtpForm::Form_Load() {
    fichiers.redim_preserve(0);
    ouvrir_lecteur();
    Module1::show_window();
}

void FtpForm::drive_Change() {
    ouvrir_lecteur();
}

void FtpForm::lst_FILE_DblClick() {
    const vb::Integer k = lst_FILE->ListIndex();
    // A double-click that reaches the list with no line selected names no entry.
    if (k < 0) {
        return;
    }
    Module1::confirme_ok = true;
    if (k == 0) {
        if (chemin.size() > 2) {
            chemin.erase(chemin.rfind(u'\\'));
        }
    } else if (k > nb_dossiers) {
        Module1::confirme_ok = false;
    } else {
        chemin += u'\\';
        chemin += fichiers[k];
    }
    if (Module1::confirme_ok) {
        lire_dossier();
        afficher_dossier();
    }
}

void FtpForm::btn_cfgFTP_Click() {
    addftp().Load();
}

void FtpForm::Command2_Click() {
    rename().Load();
}

void FtpForm::ouvrir_lecteur() {
    fichiers[0] = kParentEntry;
    chemin = drive->Drive().substr(0, 2);
    lire_dossier();
    afficher_dossier();
}

void FtpForm::lire_dossier() {
    nb_fichiers = 0;
    const vb::String folder = chemin + u'\\';
    fs::DirListing listing;

    // Every entry's attributes are read, files included; only folders are kept. The path
    // is rebuilt in one buffer, the folder part staying in place.
    vb::String path = folder;
    vb::String name = listing.Dir(folder, fs::vbDirectory);
    while (!name.empty()) {
        path.resize(folder.size());
        path += name;
        if ((fs::GetAttr(path) & fs::vbDirectory) == fs::vbDirectory && name != u"." &&
            name != u"..") {
            append_entry(std::move(name));
        }
        name = listing.Dir();
    }
    nb_dossiers = nb_fichiers;

    name = listing.Dir(folder + u'*', fs::vbNormal);
    while (!name.empty()) {
        append_entry(std::move(name));
        name = listing.Dir();
    }
}

void FtpForm::append_entry(vb::String name) {
    nb_fichiers += 1;
    fichiers.redim_preserve(nb_fichiers);
    fichiers[nb_fichiers] = std::move(name);
}

// The lines are written one after another into `text`, so that a line costs no allocation
// of its own, and returned as views into it.
std::vector<std::u16string_view> FtpForm::write_lines(vb::String& text) const {
    constexpr std::u16string_view kFolderIndent = u"  ";
    constexpr std::u16string_view kFileIndent = u"    ";
    std::size_t length = 0;
    for (vb::Integer i = 0; i <= nb_fichiers; ++i) {
        length += (i <= nb_dossiers ? kFolderIndent : kFileIndent).size() + fichiers[i].size();
    }
    text.clear();
    text.reserve(length);  // the views point into it, so it must not move
    std::vector<std::u16string_view> lines;
    lines.reserve(static_cast<std::size_t>(nb_fichiers.value()) + 1);
    for (vb::Integer i = 0; i <= nb_fichiers; ++i) {
        const std::size_t begin = text.size();
        text += i <= nb_dossiers ? kFolderIndent : kFileIndent;
        text += fichiers[i];
        lines.push_back(std::u16string_view(text).substr(begin));
    }
    return lines;
}

void FtpForm::afficher_dossier() {
    vb::String text;
    std::vector<std::u16string_view> lines;
    try {
        lines = write_lines(text);
    } catch (const vb::RuntimeError&) {
        lst_FILE->Clear();  // the line counter overflows once the old lines are gone
        throw;
    }
    // The old lines go and the new ones come in one change, so that the list lays itself
    // out once.
    lst_FILE->ReplaceItems(lines);

    if (chemin.size() > kLongestShownPath) {
        chemin_affiche = u"..." + chemin.substr(chemin.size() - kShownTail);
    } else {
        chemin_affiche = chemin;
    }
    Frame1->setCaption(u"Files->" + chemin_affiche);
}

FtpForm& ftp() {
    // Never destroyed: its window may outlive the application object at exit.
    static auto* instance = new FtpForm;
    return *instance;
}
