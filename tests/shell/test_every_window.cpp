// Every window as a screen reader and a keyboard user meet it (each control's spoken name,
// and the controls in the order Tab walks them, starting from the one focused on opening),
// and as anyone reads it: no caption cut off by its control's edges, no control across the
// border of the frame it stands in.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "accounts/changepwd_form.h"
#include "accounts/confirme_form.h"
#include "accounts/logguer_form.h"
#include "addressbook/carnet.h"
#include "caption_room.h"
#include "config/configcompte_form.h"
#include "fs/drives.h"
#include "ftp/addftp_form.h"
#include "ftp/ftp_form.h"
#include "ftp/rename_form.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "spoken_controls.h"
#include "ui/frame.h"

namespace {

struct Window {
    const char* name;
    // Loads the window, over the windows it opens from; returns it.
    std::function<ui::Form&()> open;
    std::map<std::string, std::string> names;
    std::vector<std::string> walk;
};

// Named in the test's report by its window.
void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name;
}

ui::Form& over_login(ui::Form& dialog) {
    logguer().Load();
    dialog.Load();
    return dialog;
}

ui::Form& over_ftp(ui::Form& dialog) {
    ftp().Load();
    dialog.Load();
    return dialog;
}

const Window kWindows[] = {
    {"base",
     []() -> ui::Form& { return base(); },
     {{"btn_logger", "Login"},
      {"btn_carnet", "Adress Book"},
      {"btn_ftp", "FTP"},
      {"btn_quitter", "Exit"}},
     {"btn_quitter", "btn_logger", "btn_carnet", "btn_ftp"}},
    {"logguer",
     []() -> ui::Form& {
         logguer().Load();
         return logguer();
     },
     {{"Frame1", "Active Account"},
      {"List", "Active Account"},
      {"lbl_AA", "Ready !!!"},
      {"btn_unlog", "Unlog"},
      {"btn_supprimer", "Delete"},
      {"btn_chgpwd", "Change Password"},
      {"btn_cfg", "Configuration"},
      {"frm_LOA", "Log On Account"},
      {"Label1", "Login :"},
      {"txt_psd", "Login :"},
      {"Label2", "Password :"},
      {"txt_pwd", "Password :"},
      {"btn_logguer", "Log"},
      {"btn_NU", "New User"},
      {"lbl_LOA", "Ready !!!"}},
     {"List", "btn_unlog", "txt_psd", "txt_pwd", "btn_logguer", "btn_supprimer", "btn_NU",
      "btn_chgpwd", "btn_cfg"}},
    {"Confirme",
     []() -> ui::Form& { return over_login(Confirme()); },
     {{"Label1", "Confirm Password :"}, {"Text1", "Confirm Password :"}, {"Command1", "Ok"}},
     {"Text1", "Command1"}},
    {"changepwd",
     []() -> ui::Form& { return over_login(changepwd()); },
     {{"Label1", "Old :"},
      {"Label2", "New :"},
      {"Label3", "Confirm :"},
      {"txt_old", "Old :"},
      {"txt_new", "New :"},
      {"txt_conf", "Confirm :"},
      {"btn_ok", "OK"},
      {"btn_cancel", "Cancel"}},
     {"txt_old", "txt_new", "txt_conf", "btn_ok", "btn_cancel"}},
    {"configcompte",
     []() -> ui::Form& { return over_login(configcompte()); },
     {{"Frame1", "Access Right"}, {"lst_cmpt", "Access Right"},
      {"Frame2", "FTP"},          {"Check1", "Public"},
      {"Check2", "Private"},      {"Frame3", "Adress Book"},
      {"Check3", "Public"},       {"Check4", "Private"},
      {"Frame4", "FTP"},          {"Label1", "Public :"},
      {"List2", "Public :"},      {"Label2", "Private :"},
      {"List3", "Private :"},     {"Command1", "Add / Configure"},
      {"Command2", "Delete"},     {"Frame5", "Adress Book"},
      {"Label3", "Public :"},     {"List4", "Public :"},
      {"Label4", "Private :"},    {"List5", "Private :"},
      {"Command4", "Configure"},  {"Command5", "Delete"},
      {"Command6", "New"}},
     {"lst_cmpt", "Check1", "Check2", "Check3", "Check4", "List2", "List3", "Command1", "Command2",
      "List4", "List5", "Command4", "Command5", "Command6"}},
    {"carnet",
     []() -> ui::Form& {
         // With the search controls enabled, so that Tab reaches them too.
         carnet().Load();
         carnet().chk_search->setValue(1);
         carnet().txt_fname->setFocus();
         return carnet();
     },
     {{"Frame1", "Informations"},  {"Label1", "First Name :"},   {"txt_fname", "First Name :"},
      {"Label2", "Last Name :"},   {"txt_lname", "Last Name :"}, {"Label3", "Address :"},
      {"txt_adr", "Address :"},    {"Label4", "Zip Code :"},     {"txt_cp", "Zip Code :"},
      {"Label5", "City :"},        {"txt_ville", "City :"},      {"Label6", "Phone :"},
      {"cmb_phone", "Phone :"},    {"Label8", "Fax :"},          {"cmb_fax", "Fax :"},
      {"Label7", "E-Mail :"},      {"cmb_mail", "E-Mail :"},     {"Label9", "Site :"},
      {"cmb_site", "Site :"},      {"cmb_num", "Informations"},  {"chk_search", "Search"},
      {"Frame3", "Search Option"}, {"txt_search", "Search"},     {"rdo_FRN", "First Name"},
      {"rdo_LSN", "Last Name"},    {"rdo_ADR", "Adress"},        {"rdo_ZPC", "Zip Code"},
      {"rdo_CTY", "City"},         {"rdo_PHN", "Phone"},         {"rdo_EML", "E-Mail"},
      {"rdo_FAX", "Fax"},          {"rdo_SIT", "Site"},          {"Frame2", "Configuration"},
      {"cmd_save", "Save"},        {"cmd_new", "New"},           {"cmd_del", "Delete"},
      {"chk_prv", "Private"}},
     {"txt_fname", "txt_lname", "txt_adr", "txt_cp", "txt_ville", "cmb_phone", "cmb_mail",
      "cmd_save", "cmd_new", "cmd_del", "chk_prv", "cmb_num", "cmb_fax", "cmb_site", "txt_search",
      "rdo_FRN", "chk_search"}},
    {"ftp",
     []() -> ui::Form& {
         ftp().Load();
         return ftp();
     },
     {{"Frame1", "Files->c:"},
      {"lst_FILE", "Files->c:"},
      {"drive", "Files->c:"},
      {"Frame2", "FTP Files"},
      {"lst_FTP", "FTP Files"},
      {"File", "File / Fold"},
      {"Command1", "Delete"},
      {"Command2", "Rename"},
      {"Command3", "Cut"},
      {"Command4", "Copy"},
      {"Command5", "Paste"},
      {"Frame4", "FTP"},
      {"cmb_selFTP", "FTP Files"},
      {"btn_cfgFTP", "Add / Configure"},
      {"btn_delFTP", "Delete"},
      {"Frame3", "State"},
      {"txt_state", "State"}},
     {"btn_delFTP", "lst_FTP", "lst_FILE", "btn_cfgFTP", "cmb_selFTP", "Command1", "Command2",
      "Command3", "Command4", "Command5", "drive"}},
    {"addftp",
     []() -> ui::Form& { return over_ftp(addftp()); },
     {{"Label1", "Login :"},
      {"Text1", "Login :"},
      {"Label2", "Password :"},
      {"Text2", "Password :"},
      {"Label3", "Adress :"},
      {"Text3", "Adress :"},
      {"Label4", "Port :"},
      {"Text4", "Port :"},
      {"Label5", "Name :"},
      {"Text5", "Name :"},
      {"Check1", "Private"},
      {"btn_rplc", "Replace"},
      {"Command1", "Add"},
      {"btn_cancel", "Cancel"}},
     {"Check1", "Text1", "Text2", "Text3", "Text4", "Text5", "btn_rplc", "btn_cancel", "Command1"}},
    {"rename",
     []() -> ui::Form& { return over_ftp(rename()); },
     {{"Label1", "New Name :"}, {"Text1", "New Name :"}, {"Command1", "Ok"}},
     {"Text1", "Command1"}},
};

// What a control shows of itself, in its parent's coordinates: of a label, which lets its
// container show through, only its text.
QRect shown_rect(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    if (label == nullptr) {
        return control.geometry();
    }
    const QRect space = label->contentsRect();
    return label->fontMetrics()
        .boundingRect(space.x(), space.y(), space.width(), 10000,
                      Qt::TextWordWrap | label->alignment(), label->text())
        .translated(label->pos());
}

std::string describe(const QRect& rect) {
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
           std::to_string(rect.width()) + "x" + std::to_string(rect.height());
}

// Each control that a frame holds, or that lies over it from beside it, and does not stand
// inside its border: "frame/control: where it is, outside the room inside the border".
std::vector<std::string> controls_across_frames(const ui::Form& form) {
    std::vector<std::string> across;
    for (const QWidget* widget : form.window()->findChildren<QWidget*>()) {
        const auto* frame = dynamic_cast<const ui::Frame*>(widget);
        if (frame == nullptr) {
            continue;
        }
        const QRect inside = frame->contentsRect();
        const auto check = [&](const QWidget& control, const QRect& shown) {
            if (!inside.contains(shown)) {
                across.push_back(frame->objectName().toStdString() + "/" +
                                 control.objectName().toStdString() + ": " + describe(shown) +
                                 " outside " + describe(inside));
            }
        };
        for (const QWidget* control : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            check(*control, shown_rect(*control));
        }
        const auto siblings =
            frame->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* control : siblings) {
            if (control != frame && control->geometry().intersects(frame->geometry())) {
                check(*control, shown_rect(*control).translated(-frame->pos()));
            }
        }
    }
    return across;
}

// The real main menu over a scratch database, the drive c: a folder of the test's own.
class WindowControls : public ::testing::TestWithParam<Window> {
protected:
    WindowControls() {
        fs::set_drive_table(std::vector<fs::Drive>{{u"c:", u"", root.path().toStdString(), false}});
        base().Load();
        base().setVisible(true);
    }
    ~WindowControls() override {
        for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
            ui::Forms::Item(k).Unload();
        }
        fs::set_drive_table(std::nullopt);
    }

    test_support::ScratchDatabase db;
    QTemporaryDir root;
};

TEST_P(WindowControls, EveryControlIsNamedAndTabFollowsTheTabIndices) {
    ui::Form& form = GetParam().open();
    EXPECT_EQ(spoken_names(form), GetParam().names);
    EXPECT_EQ(tab_walk(form), GetParam().walk);
}

TEST_P(WindowControls, EveryCaptionFitsItsControl) {
    const ui::Form& form = GetParam().open();
    for (const auto& [control, room] : caption_room(form)) {
        EXPECT_TRUE(room.fits()) << control << ": " << room.text << " needs " << room.needed.width()
                                 << "x" << room.needed.height() << ", has " << room.space.width()
                                 << "x" << room.space.height();
    }
}

// At every DPI the tests run at (see CMakeLists.txt).
TEST_P(WindowControls, EveryControlStandsInsideItsFrame) {
    EXPECT_EQ(controls_across_frames(GetParam().open()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowControls, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
