// The FTP window: a browser of the local drives, folders and files on the left, and the
// FTP-site panel and file buttons on the right, above a status box. Only the browser and
// the two buttons that open the dialogs act.
#pragma once

#include <string_view>
#include <vector>

#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/drive_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"
#include "platform/vb/dyn_array.h"
#include "platform/vb/integer.h"
#include "platform/vb/text.h"

class FtpForm final : public ui::Form {
public:
    FtpForm();

    void drive_Change();
    void lst_FILE_DblClick();
    void btn_cfgFTP_Click();
    void Command2_Click();

    void ouvrir_lecteur();
    void lire_dossier();
    void afficher_dossier();

    // The current folder: index 0 is the parent entry, then the folders, then the files.
    vb::DynArray<vb::String> fichiers;
    vb::Integer nb_fichiers;
    vb::Integer nb_dossiers;
    vb::String chemin;
    vb::String chemin_affiche;

    ui::Frame *Frame1{}, *Frame2{}, *File{}, *Frame4{}, *Frame3{};
    ui::ListBox *lst_FILE{}, *lst_FTP{};
    ui::DriveListBox* drive{};
    ui::CommandButton *Command1{}, *Command2{}, *Command3{}, *Command4{}, *Command5{},
        *btn_cfgFTP{}, *btn_delFTP{};
    ui::ComboBox* cmb_selFTP{};
    ui::TextBox* txt_state{};

protected:
    void Form_Load() override;

private:
    // Adds `name` after the entries read so far.
    void append_entry(vb::String name);
    // The lines of lst_FILE for the entries read, as views into `text`.
    std::vector<std::u16string_view> write_lines(vb::String& text) const;
};

FtpForm& ftp();
