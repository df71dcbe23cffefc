#include "ftp/ftp_form.h"

#include <vector>

#include "data/module1.h"
#include "ftp/addftp_form.h"
#include "ftp/rename_form.h"
#include "platform/fs/attributes.h"
#include "platform/fs/dir_listing.h"
#include "platform/vb/runtime_error.h"
#include "shell/placement.h"

constexpr char16_t kParentEntry[] = u" \\..";
constexpr std::size_t kLongestShownPath = 35;
constexpr std::size_t kShownTail = 32;

using W = FtpForm;
using ui::kWindow;
using enum ui::ComboBox::Style;
using enum ui::TextBox::ScrollBars;

// No label stands beside the lists and boxes of this window: their frames name them, the local
// ones by the folder that the frame's caption shows.
// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"FTP", .width = 7455, .height = 8295}, {
//   name          control         container   caption / text      {Left, Top, Width, Height} tab
    {"Frame1",     &W::Frame1,     kWindow,    u"Local Files",     { 120,  120, 3375, 6735}, 11},
    {"lst_FILE",   &W::lst_FILE,   &W::Frame1, u"",                { 120,  240, 3135, 5910},  2,
        {.named_by = &W::Frame1, .columns = true, .dbl_click = &W::lst_FILE_DblClick}},
    {"drive",      &W::drive,      &W::Frame1, u"",                { 120, 6240, 3135,  315}, 10,
        {.change = &W::drive_Change}},
    {"Frame2",     &W::Frame2,     kWindow,    u"FTP Files",       {3600,  120, 3735, 6735}, 12},
    {"lst_FTP",    &W::lst_FTP,    &W::Frame2, u"",                { 120,  240, 3495, 4350},  1,
        {.named_by = &W::Frame2, .columns = true}},
    {"File",       &W::File,       &W::Frame2, u"File / Fold",     { 120, 4800, 3495,  615}, 13},
    {"Command1",   &W::Command1,   &W::File,   u"Delete",          { 120,  240,  615,  255},  5},
    {"Command2",   &W::Command2,   &W::File,   u"Rename",          { 840,  240,  735,  255},  6,
        {.click = &W::Command2_Click}},
    {"Command3",   &W::Command3,   &W::File,   u"Cut",             {1680,  240,  375,  255},  7},
    {"Command4",   &W::Command4,   &W::File,   u"Copy",            {2160,  240,  495,  255},  8},
    {"Command5",   &W::Command5,   &W::File,   u"Paste",           {2760,  240,  615,  255},  9},
    {"Frame4",     &W::Frame4,     &W::Frame2, u"FTP",             { 120, 5520, 3495, 1095}, 14},
    {"cmb_selFTP", &W::cmb_selFTP, &W::Frame2, u"",                { 240, 5760, 3255,  315},  4,
        {.named_by = &W::Frame4, .style = kDropDownList}},
    {"btn_cfgFTP", &W::btn_cfgFTP, &W::Frame2, u"Add / Configure", { 240, 6240, 1815,  255},  3,
        {.click = &W::btn_cfgFTP_Click}},
    {"btn_delFTP", &W::btn_delFTP, &W::Frame2, u"Delete",          {2160, 6240, 1335,  255},  0},
    {"Frame3",     &W::Frame3,     kWindow,    u"State",           { 120, 6960, 7215, 1215}, 15},
    {"txt_state",  &W::txt_state,  &W::Frame3, u"Text1\r\n",       { 120,  240, 6975,  855}, 16,
        {.named_by = &W::Frame3, .multi_line = true, .scroll_bars = kVertical, .enabled = false}},
});
// clang-format on

FtpForm::FtpForm() : ui::Form(kTable) {}

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
    return ui::single_instance<FtpForm>();
}
