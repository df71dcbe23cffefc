// Every window as its control table lays it out (each control named, in its container, at its
// place, showing its caption or initial text, Tab following the tab indices), and as people
// meet it: its caption, the name a screen reader speaks for each control, the order in which
// Tab walks the controls from the one focused on opening, no caption cut off by its control's
// edges, no control across the border of the frame it stands in.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
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
#include "ui/control_table.h"

namespace {

// A row of a window's table as the loaded window should show it, in pixels.
struct Placed {
    std::string name;
    std::string container;  // empty for the client area
    QRect rect;
    std::optional<std::string> text;  // none for a list, which its window fills
    int tab_index;
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
                        list ? std::nullopt : std::optional(vb::to_utf8(row.caption)),
                        row.tab_index});
    }
    return rows;
}

// A control and what a screen reader speaks for it.
struct Spoken {
    const char* control;
    const char* name;
};

struct Window {
    const char* name;
    const char16_t* caption;
    // Loads the window, over the windows it opens from; returns it.
    std::function<ui::Form&()> open;
    std::vector<Placed> (*rows)();
    std::vector<Spoken> tab_stops;  // in Tab order, from the control focused on opening
    std::vector<Spoken> others;
    // Captions that the window's load replaces.
    std::map<std::string, std::string> loaded_captions = {};
};

// Named in the test's report by its window.
void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name;
}

ui::Form& loaded(ui::Form& form) {
    form.Load();
    return form;
}

ui::Form& over_login(ui::Form& dialog) {
    logguer().Load();
    return loaded(dialog);
}

ui::Form& over_ftp(ui::Form& dialog) {
    ftp().Load();
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
     {{"btn_quitter", "Exit"}, {"btn_logger", "Login"}, {"btn_carnet", "Adress Book"},
      {"btn_ftp", "FTP"}},
     {}},
    {"logguer", u"Login", []() -> ui::Form& { return loaded(logguer()); }, rows_of<LogguerForm>,
     {{"List", "Active Account"}, {"btn_unlog", "Unlog"}, {"txt_psd", "Login :"},
      {"txt_pwd", "Password :"}, {"btn_logguer", "Log"}, {"btn_supprimer", "Delete"},
      {"btn_NU", "New User"}, {"btn_chgpwd", "Change Password"}, {"btn_cfg", "Configuration"}},
     {{"Frame1", "Active Account"}, {"lbl_AA", "Ready !!!"}, {"frm_LOA", "Log On Account"},
      {"Label1", "Login :"}, {"Label2", "Password :"}, {"lbl_LOA", "Ready !!!"}}},
    {"Confirme", u"Confirm", []() -> ui::Form& { return over_login(Confirme()); },
     rows_of<ConfirmeForm>,
     {{"Text1", "Confirm Password :"}, {"Command1", "Ok"}},
     {{"Label1", "Confirm Password :"}}},
    {"changepwd", u"Change Password", []() -> ui::Form& { return over_login(changepwd()); },
     rows_of<ChangePwdForm>,
     {{"txt_old", "Old :"}, {"txt_new", "New :"}, {"txt_conf", "Confirm :"}, {"btn_ok", "OK"},
      {"btn_cancel", "Cancel"}},
     {{"Label1", "Old :"}, {"Label2", "New :"}, {"Label3", "Confirm :"}}},
    {"configcompte", u"Configuration", []() -> ui::Form& { return over_login(configcompte()); },
     rows_of<ConfigCompteForm>,
     {{"lst_cmpt", "Access Right"}, {"Check1", "Public"}, {"Check2", "Private"},
      {"Check3", "Public"}, {"Check4", "Private"}, {"List2", "Public :"}, {"List3", "Private :"},
      {"Command1", "Add / Configure"}, {"Command2", "Delete"}, {"List4", "Public :"},
      {"List5", "Private :"}, {"Command4", "Configure"}, {"Command5", "Delete"},
      {"Command6", "New"}},
     {{"Frame1", "Access Right"}, {"Frame2", "FTP"}, {"Frame3", "Adress Book"},
      {"Frame4", "FTP"}, {"Label1", "Public :"}, {"Label2", "Private :"},
      {"Frame5", "Adress Book"}, {"Label3", "Public :"}, {"Label4", "Private :"}}},
    {"carnet", u"Address Book", carnet_searching, rows_of<CarnetForm>,
     {{"txt_fname", "First Name :"}, {"txt_lname", "Last Name :"}, {"txt_adr", "Address :"},
      {"txt_cp", "Zip Code :"}, {"txt_ville", "City :"}, {"cmb_phone", "Phone :"},
      {"cmb_mail", "E-Mail :"}, {"cmd_save", "Save"}, {"cmd_new", "New"}, {"cmd_del", "Delete"},
      {"chk_prv", "Private"}, {"cmb_num", "Informations"}, {"cmb_fax", "Fax :"},
      {"cmb_site", "Site :"}, {"txt_search", "Search"}, {"rdo_FRN", "First Name"},
      {"chk_search", "Search"}},
     {{"Frame1", "Informations"}, {"Label1", "First Name :"}, {"Label2", "Last Name :"},
      {"Label3", "Address :"}, {"Label4", "Zip Code :"}, {"Label5", "City :"},
      {"Label6", "Phone :"}, {"Label8", "Fax :"}, {"Label7", "E-Mail :"}, {"Label9", "Site :"},
      {"Frame3", "Search Option"}, {"rdo_LSN", "Last Name"}, {"rdo_ADR", "Adress"},
      {"rdo_ZPC", "Zip Code"}, {"rdo_CTY", "City"}, {"rdo_PHN", "Phone"}, {"rdo_EML", "E-Mail"},
      {"rdo_FAX", "Fax"}, {"rdo_SIT", "Site"}, {"Frame2", "Configuration"}}},
    {"ftp", u"FTP", []() -> ui::Form& { return loaded(ftp()); }, rows_of<FtpForm>,
     {{"btn_delFTP", "Delete"}, {"lst_FTP", "FTP Files"}, {"lst_FILE", "Files->c:"},
      {"btn_cfgFTP", "Add / Configure"}, {"cmb_selFTP", "FTP Files"}, {"Command1", "Delete"},
      {"Command2", "Rename"}, {"Command3", "Cut"}, {"Command4", "Copy"}, {"Command5", "Paste"},
      {"drive", "Files->c:"}},
     {{"Frame1", "Files->c:"}, {"Frame2", "FTP Files"}, {"File", "File / Fold"},
      {"Frame4", "FTP"}, {"Frame3", "State"}, {"txt_state", "State"}},
     {{"Frame1", "Files->c:"}}},
    {"addftp", u"Add New FTP", []() -> ui::Form& { return over_ftp(addftp()); },
     rows_of<AddFtpForm>,
     {{"Check1", "Private"}, {"Text1", "Login :"}, {"Text2", "Password :"}, {"Text3", "Adress :"},
      {"Text4", "Port :"}, {"Text5", "Name :"}, {"btn_rplc", "Replace"}, {"btn_cancel", "Cancel"},
      {"Command1", "Add"}},
     {{"Label1", "Login :"}, {"Label2", "Password :"}, {"Label3", "Adress :"},
      {"Label4", "Port :"}, {"Label5", "Name :"}}},
    {"rename", u"Rename", []() -> ui::Form& { return over_ftp(rename()); }, rows_of<RenameForm>,
     {{"Text1", "New Name :"}, {"Command1", "Ok"}},
     {{"Label1", "New Name :"}}},
};
// clang-format on

std::string describe(const QRect& rect) {
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
           std::to_string(rect.width()) + "x" + std::to_string(rect.height());
}

std::string describe(const Placed& row, const std::optional<std::string>& text) {
    return row.name + " in '" + row.container + "' at " + describe(row.rect) +
           (text ? " showing '" + *text + "'" : "");
}

const QWidget* control_named(const ui::Form& form, const std::string& name) {
    return form.window()->findChild<const QWidget*>(QString::fromStdString(name));
}

std::string shown_text(const QWidget& control) {
    if (const auto* box = dynamic_cast<const ui::TextBox*>(&control)) {
        return vb::to_utf8(box->Text());
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text().toStdString();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return frame->title().toStdString();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        return combo->currentText().toStdString();
    }
    return {};
}

// Each row as the loaded window shows it, described as the row itself is. A label, check box
// or option button grows to the right to fit its caption: its width is the row's or more.
std::vector<std::string> as_shown(const ui::Form& form, const std::vector<Placed>& rows) {
    std::vector<std::string> shown;
    for (const Placed& row : rows) {
        const QWidget* control = control_named(form, row.name);
        if (control == nullptr) {
            shown.push_back(row.name + " missing");
            continue;
        }
        const QWidget* parent = control->parentWidget();
        Placed seen{row.name, parent == form.window() ? "" : parent->objectName().toStdString(),
                    control->geometry(), std::nullopt, row.tab_index};
        const bool grows = qobject_cast<const QLabel*>(control) != nullptr ||
                           qobject_cast<const QCheckBox*>(control) != nullptr ||
                           qobject_cast<const QRadioButton*>(control) != nullptr;
        if (grows && seen.rect.width() > row.rect.width()) {
            seen.rect.setWidth(row.rect.width());
        }
        shown.push_back(
            describe(seen, row.text ? std::optional(shown_text(*control)) : std::nullopt));
    }
    return shown;
}

// The controls that Tab reaches, by their tab indices: an option group is one stop, at its
// chosen option.
std::vector<std::string> walk_by_tab_index(const ui::Form& form, std::vector<Placed> rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Placed& a, const Placed& b) { return a.tab_index < b.tab_index; });
    std::vector<std::string> walk;
    for (const Placed& row : rows) {
        const QWidget* control = control_named(form, row.name);
        const auto* option = qobject_cast<const QRadioButton*>(control);
        if (control != nullptr && control->isEnabled() &&
            (control->focusPolicy() & Qt::TabFocus) != 0 &&
            (option == nullptr || option->isChecked())) {
            walk.push_back(row.name);
        }
    }
    return walk;
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

TEST_P(WindowControls, EachControlIsWhereItsRowPutsItAndTabFollowsTheTabIndices) {
    const ui::Form& form = GetParam().open();
    std::vector<std::string> expected;
    for (const Placed& row : GetParam().rows()) {
        const auto loaded = GetParam().loaded_captions.find(row.name);
        expected.push_back(describe(row, loaded != GetParam().loaded_captions.end()
                                             ? std::optional(loaded->second)
                                             : row.text));
    }
    EXPECT_EQ(as_shown(form, GetParam().rows()), expected);
    EXPECT_EQ(tab_walk(form), walk_by_tab_index(form, GetParam().rows()));
}

TEST_P(WindowControls, ReadsAndTabsAsTheWindowsUsersExpect) {
    const ui::Form& form = GetParam().open();
    EXPECT_EQ(form.Caption(), GetParam().caption);
    std::vector<std::string> walk;
    std::map<std::string, std::string> names;
    for (const Spoken& stop : GetParam().tab_stops) {
        walk.push_back(stop.control);
        names[stop.control] = stop.name;
    }
    for (const Spoken& other : GetParam().others) {
        names[other.control] = other.name;
    }
    EXPECT_EQ(tab_walk(form), walk);
    EXPECT_EQ(spoken_names(form), names);
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
