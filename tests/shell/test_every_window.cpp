// Every window as its control table lays it out (each control named, in its container, at its
// place, showing its caption or initial text, Tab following the tab indices), and as people
// meet it: its caption, what a screen reader speaks for each control, the Tab order from the
// control focused on opening, no caption cut off, no control across its frame's border.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <optional>
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
#include "stand_in_forms.h"
#include "ui/control_table.h"

namespace {

// A row of a window's table as the loaded window should show it, in pixels.
struct Placed {
    std::string name;
    std::string container;  // empty for the client area
    QRect rect;
    std::optional<std::string> text;  // none for a list, which its window fills
};

template <typename W>
std::vector<Placed> rows_of() {
    std::vector<Placed> rows;
    for (const ui::ControlRow<W>& row : W::controls) {
        const bool list = std::holds_alternative<ui::ListBox * W::*>(row.control) ||
                          std::holds_alternative<ui::DriveListBox * W::*>(row.control);
        const ui::Rect& r = row.rect;
        rows.push_back({row.name, row.container != ui::kWindow ? row.container : "",
                        QRect(ui::to_pixels_x(r.left), ui::to_pixels_y(r.top),
                              ui::to_pixels_x(r.width), ui::to_pixels_y(r.height)),
                        list ? std::nullopt : std::optional(vb::to_utf8(row.caption))});
    }
    return rows;
}

struct Window {
    const char* name;
    const char16_t* caption;
    std::function<ui::Form&()> open;  // loads the window over the windows it opens from
    std::vector<Placed> (*rows)();
    // "control=spoken name" joined by ";", in Tab order from the control focused on opening;
    // after "|" the controls that Tab does not reach.
    const char* spoken;
    const char* loaded_frame1 = nullptr;  // the caption that the load gives Frame1
};

ui::Form& loaded(ui::Form& form) {
    form.Load();
    return form;
}

ui::Form& over(ui::Form& below, ui::Form& dialog) {
    below.Load();
    return loaded(dialog);
}

ui::Form& carnet_searching() {
    // With the search controls enabled, so that Tab reaches them too.
    carnet().Load();
    carnet().chk_search->setValue(1);
    carnet().txt_fname->setFocus();
    return carnet();
}

// The anchors that catch a mistaken table: what a user reads and hears, written out here.
// clang-format off
const Window kWindows[] = {
    {"base", u"Base", []() -> ui::Form& { return base(); }, rows_of<BaseForm>,
     "btn_quitter=Exit;btn_logger=Login;btn_carnet=Adress Book;btn_ftp=FTP"},
    {"logguer", u"Login", []() -> ui::Form& { return loaded(logguer()); }, rows_of<LogguerForm>,
     "List=Active Account;btn_unlog=Unlog;txt_psd=Login :;txt_pwd=Password :;btn_logguer=Log;"
     "btn_supprimer=Delete;btn_NU=New User;btn_chgpwd=Change Password;btn_cfg=Configuration|"
     "Frame1=Active Account;lbl_AA=Ready !!!;frm_LOA=Log On Account;Label1=Login :;"
     "Label2=Password :;lbl_LOA=Ready !!!"},
    {"Confirme", u"Confirm", []() -> ui::Form& { return over(logguer(), Confirme()); },
     rows_of<ConfirmeForm>, "Text1=Confirm Password :;Command1=Ok|Label1=Confirm Password :"},
    {"changepwd", u"Change Password", []() -> ui::Form& { return over(logguer(), changepwd()); },
     rows_of<ChangePwdForm>,
     "txt_old=Old :;txt_new=New :;txt_conf=Confirm :;btn_ok=OK;btn_cancel=Cancel|"
     "Label1=Old :;Label2=New :;Label3=Confirm :"},
    {"configcompte", u"Configuration",
     []() -> ui::Form& { return over(logguer(), configcompte()); }, rows_of<ConfigCompteForm>,
     "lst_cmpt=Access Right;Check1=Public;Check2=Private;Check3=Public;Check4=Private;"
     "List2=Public :;List3=Private :;Command1=Add / Configure;Command2=Delete;List4=Public :;"
     "List5=Private :;Command4=Configure;Command5=Delete;Command6=New|Frame1=Access Right;"
     "Frame2=FTP;Frame3=Adress Book;Frame4=FTP;Label1=Public :;Label2=Private :;"
     "Frame5=Adress Book;Label3=Public :;Label4=Private :"},
    {"carnet", u"Address Book", carnet_searching, rows_of<CarnetForm>,
     "txt_fname=First Name :;txt_lname=Last Name :;txt_adr=Address :;txt_cp=Zip Code :;"
     "txt_ville=City :;cmb_phone=Phone :;cmb_mail=E-Mail :;cmd_save=Save;cmd_new=New;"
     "cmd_del=Delete;chk_prv=Private;cmb_num=Informations;cmb_fax=Fax :;cmb_site=Site :;"
     "txt_search=Search;rdo_FRN=First Name;chk_search=Search|Frame1=Informations;"
     "Label1=First Name :;Label2=Last Name :;Label3=Address :;Label4=Zip Code :;Label5=City :;"
     "Label6=Phone :;Label8=Fax :;Label7=E-Mail :;Label9=Site :;Frame3=Search Option;"
     "rdo_LSN=Last Name;rdo_ADR=Adress;rdo_ZPC=Zip Code;rdo_CTY=City;rdo_PHN=Phone;"
     "rdo_EML=E-Mail;rdo_FAX=Fax;rdo_SIT=Site;Frame2=Configuration"},
    {"ftp", u"FTP", []() -> ui::Form& { return loaded(ftp()); }, rows_of<FtpForm>,
     "btn_delFTP=Delete;lst_FTP=FTP Files;lst_FILE=Files->c:;btn_cfgFTP=Add / Configure;"
     "cmb_selFTP=FTP Files;Command1=Delete;Command2=Rename;Command3=Cut;Command4=Copy;"
     "Command5=Paste;drive=Files->c:|Frame1=Files->c:;Frame2=FTP Files;File=File / Fold;"
     "Frame4=FTP;Frame3=State;txt_state=State", "Files->c:"},
    {"addftp", u"Add New FTP", []() -> ui::Form& { return over(ftp(), addftp()); },
     rows_of<AddFtpForm>,
     "Check1=Private;Text1=Login :;Text2=Password :;Text3=Adress :;Text4=Port :;Text5=Name :;"
     "btn_rplc=Replace;btn_cancel=Cancel;Command1=Add|Label1=Login :;Label2=Password :;"
     "Label3=Adress :;Label4=Port :;Label5=Name :"},
    {"rename", u"Rename", []() -> ui::Form& { return over(ftp(), rename()); }, rows_of<RenameForm>,
     "Text1=New Name :;Command1=Ok|Label1=New Name :"},
};
// clang-format on

// The Tab walk and the spoken names that a window's `spoken` writes out.
std::pair<std::vector<std::string>, std::map<std::string, std::string>> read_spoken(
    std::string_view spoken) {
    std::vector<std::string> walk;
    std::map<std::string, std::string> names;
    bool reached_by_tab = true;
    while (!spoken.empty()) {
        const std::size_t end = std::min(spoken.find_first_of(";|"), spoken.size());
        const std::string entry(spoken.substr(0, end));
        const std::size_t equals = entry.find('=');
        names[entry.substr(0, equals)] = entry.substr(equals + 1);
        if (reached_by_tab) {
            walk.push_back(entry.substr(0, equals));
        }
        reached_by_tab = reached_by_tab && (end == spoken.size() || spoken[end] == ';');
        spoken.remove_prefix(std::min(end + 1, spoken.size()));
    }
    return {walk, names};
}

std::string describe(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

std::string describe(const Placed& row) {
    return row.name + " in '" + row.container + "' at " + describe(row.rect) +
           (row.text ? " showing '" + *row.text + "'" : "");
}

// A text box's text, else the caption of a label, a button or a frame, or a combo box's text.
std::string shown_text(const QWidget& control) {
    if (const auto* box = dynamic_cast<const ui::TextBox*>(&control)) {
        return vb::to_utf8(box->Text());
    }
    for (const char* property : {"text", "title", "currentText"}) {
        if (const QVariant value = control.property(property); value.isValid()) {
            return value.toString().toStdString();
        }
    }
    return {};
}

// Each row as the loaded window shows it. A label, check box or option button grows to the
// right to fit its caption: its width is the row's or more.
std::vector<std::string> as_shown(const ui::Form& form, const std::vector<Placed>& rows) {
    std::vector<std::string> shown;
    for (const Placed& row : rows) {
        const auto* control = form.window()->findChild<const QWidget*>(row.name.c_str());
        if (control == nullptr) {
            shown.push_back(row.name + " missing");
            continue;
        }
        const QWidget* parent = control->parentWidget();
        Placed seen{row.name, parent == form.window() ? "" : parent->objectName().toStdString(),
                    control->geometry(), row.text ? std::optional(shown_text(*control)) : row.text};
        const bool grows = qobject_cast<const QLabel*>(control) != nullptr ||
                           qobject_cast<const QCheckBox*>(control) != nullptr ||
                           qobject_cast<const QRadioButton*>(control) != nullptr;
        if (grows && seen.rect.width() > row.rect.width()) {
            seen.rect.setWidth(row.rect.width());
        }
        shown.push_back(describe(seen));
    }
    return shown;
}

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

// Each control that a frame holds, or that lies over it from beside it, and does not stand
// inside its border: "frame/control: where it is outside the room inside the border".
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
        for (const QWidget* control : frame->parentWidget()->findChildren<QWidget*>()) {
            if (control->parentWidget() == frame) {
                check(*control, shown_rect(*control));
            } else if (control != frame && control->parentWidget() == frame->parentWidget() &&
                       control->geometry().intersects(frame->geometry())) {
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
        unload_all();
        fs::set_drive_table(std::nullopt);
    }

    test_support::ScratchDatabase db;
    QTemporaryDir root;
};

// At every DPI the tests run at (see CMakeLists.txt).
TEST_P(WindowControls, ShowsItsTableAndReadsAsItsUsersExpect) {
    const Window& window = GetParam();
    const ui::Form& form = window.open();
    std::vector<std::string> expected;
    for (Placed row : window.rows()) {
        if (row.name == "Frame1" && window.loaded_frame1 != nullptr) {
            row.text = window.loaded_frame1;
        }
        expected.push_back(describe(row));
    }
    EXPECT_EQ(as_shown(form, window.rows()), expected);
    const auto [walk, names] = read_spoken(window.spoken);
    EXPECT_EQ(form.Caption(), window.caption);
    EXPECT_EQ(tab_walk(form), walk);
    EXPECT_EQ(spoken_names(form), names);
    for (const auto& [control, room] : caption_room(form)) {
        EXPECT_TRUE(room.fits()) << control << ": " << room.text;
    }
    EXPECT_EQ(controls_across_frames(form), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowControls, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
