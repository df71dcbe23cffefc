// Every window as its control table lays it out (each control named, in its container, at its
// place, showing its caption or initial text, a label's own font, a password box's mask, Tab
// following the tab indices), and as people meet it: its caption and role, what a screen
// reader speaks for each control, the Tab order from the control focused on opening, no
// caption cut off, no control across its frame's border.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

#include "accounts/changepwd_form.h"
#include "accounts/confirme_form.h"
#include "accounts/logguer_form.h"
#include "addressbook/carnet.h"
#include "config/configcompte_form.h"
#include "fs/drives.h"
#include "ftp/addftp_form.h"
#include "ftp/ftp_form.h"
#include "ftp/rename_form.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "stand_in_forms.h"
#include "ui/control_table.h"

namespace {

// A row of a window's table as the loaded window should show it, in pixels.
struct Placed {
    std::string name;
    std::string container;  // empty for the client area
    QRect rect;
    std::optional<std::string> text;  // none for a list, which its window fills
    std::string look;                 // a font of its own, the mask a password box shows
};

std::string look_of(const QString& face, double points, bool bold) {
    return QString("%1 %2 %3").arg(face).arg(points).arg(bold).toStdString();
}

template <typename W>
std::vector<Placed> rows_of() {
    std::vector<Placed> rows;
    for (const ui::ControlRow<W>& row : W::controls) {
        const bool list = std::holds_alternative<ui::ListBox * W::*>(row.control) ||
                          std::holds_alternative<ui::DriveListBox * W::*>(row.control);
        const ui::Rect& r = row.rect;
        const ui::Extras& x = row.extras;
        rows.push_back({row.name, row.container != ui::kWindow ? row.container : "",
                        QRect(ui::to_pixels_x(r.left), ui::to_pixels_y(r.top),
                              ui::to_pixels_x(r.width), ui::to_pixels_y(r.height)),
                        list ? std::nullopt : std::optional(vb::to_utf8(row.caption)),
                        x.font != nullptr      ? look_of(x.font->face, x.font->points, x.font->bold)
                        : x.password_char != 0 ? vb::to_utf8(std::u16string(1, x.password_char))
                                               : ""});
    }
    return rows;
}

struct Window {
    const char* name;
    const char* announced;  // the caption and the role a screen reader gives the window
    ui::Form& (*open)();    // loads the window over the windows it opens from
    std::vector<Placed> (*rows)();
    // "control=spoken name" joined by ";", in Tab order from the control focused on opening.
    const char* spoken;
    const char* loaded_frame1 = nullptr;  // the caption that the load gives Frame1
};

// Loads each window in turn, each over the ones before it; the last is the one to check.
template <auto... window>
ui::Form& opened() {
    ui::Form* last = nullptr;
    ((last = &window(), last->Load()), ...);
    return *last;
}

ui::Form& carnet_searching() {
    // With the search controls enabled, so that Tab reaches them too.
    carnet().Load();
    carnet().chk_search->setValue(1);
    return carnet();
}

// The anchors that catch a mistaken table: what a user reads and hears, written out here.
// clang-format off
const Window kWindows[] = {
    {"base", "Base frame", opened<base>, rows_of<BaseForm>,
     "btn_quitter=Exit;btn_logger=Login;btn_carnet=Adress Book;btn_ftp=FTP"},
    {"logguer", "Login frame", opened<logguer>, rows_of<LogguerForm>,
     "List=Active Account;btn_unlog=Unlog;txt_psd=Login :;txt_pwd=Password :;btn_logguer=Log;"
     "btn_supprimer=Delete;btn_NU=New User;btn_chgpwd=Change Password;btn_cfg=Configuration"},
    {"Confirme", "Confirm dialog", opened<logguer, Confirme>, rows_of<ConfirmeForm>,
     "Text1=Confirm Password :;Command1=Ok"},
    {"changepwd", "Change Password dialog", opened<logguer, changepwd>, rows_of<ChangePwdForm>,
     "txt_old=Old :;txt_new=New :;txt_conf=Confirm :;btn_ok=OK;btn_cancel=Cancel"},
    {"configcompte", "Configuration dialog", opened<logguer, configcompte>, rows_of<ConfigCompteForm>,
     "lst_cmpt=Access Right;Check1=Public;Check2=Private;Check3=Public;Check4=Private;"
     "List2=Public :;List3=Private :;Command1=Add / Configure;Command2=Delete;List4=Public :;"
     "List5=Private :;Command4=Configure;Command5=Delete;Command6=New"},
    {"carnet", "Address Book frame", carnet_searching, rows_of<CarnetForm>,
     "txt_fname=First Name :;txt_lname=Last Name :;txt_adr=Address :;txt_cp=Zip Code :;"
     "txt_ville=City :;cmb_phone=Phone :;cmb_mail=E-Mail :;cmd_save=Save;cmd_new=New;"
     "cmd_del=Delete;chk_prv=Private;cmb_num=Informations;cmb_fax=Fax :;cmb_site=Site :;"
     "txt_search=Search;rdo_FRN=First Name;chk_search=Search"},
    {"ftp", "FTP frame", opened<ftp>, rows_of<FtpForm>,
     "btn_delFTP=Delete;lst_FTP=FTP Files;lst_FILE=Files->c:;btn_cfgFTP=Add / Configure;"
     "cmb_selFTP=FTP Files;Command1=Delete;Command2=Rename;Command3=Cut;Command4=Copy;"
     "Command5=Paste;drive=Files->c:", "Files->c:"},
    {"addftp", "Add New FTP dialog", opened<ftp, addftp>, rows_of<AddFtpForm>,
     "Check1=Private;Text1=Login :;Text2=Password :;Text3=Adress :;Text4=Port :;Text5=Name :;"
     "btn_rplc=Replace;btn_cancel=Cancel;Command1=Add"},
    {"rename", "Rename dialog", opened<ftp, static_cast<RenameForm& (*)()>(rename)>, rows_of<RenameForm>,
     "Text1=New Name :;Command1=Ok"},  // not the C library's rename
};
// clang-format on

// The name of the form's control that holds the focus (a text box's editor has none).
QString focused_control(const ui::Form& form) {
    QWidget* widget = form.window()->focusWidget();
    while (widget != nullptr && widget->objectName().isEmpty()) {
        widget = widget->parentWidget();
    }
    return widget != nullptr ? widget->objectName() : QString();
}

// What a reader speaks to say what a control is: its accessible name; for a combo box, whose
// name on this platform is its current text, the name of the control that labels it.
std::string spoken_name(QWidget& control) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(
        control.focusProxy() != nullptr ? control.focusProxy() : &control);
    if (spoken != nullptr && spoken->role() == QAccessible::ComboBox) {
        const auto labels = spoken->relations(QAccessible::Label);
        spoken = labels.isEmpty() ? nullptr : labels.front().first;
    }
    return spoken != nullptr ? spoken->text(QAccessible::Name).toStdString() : "";
}

// The control that holds the focus, then each one that Tab reaches until Tab comes back to
// the first (or after a round longer than any form has), as "control=spoken name;...".
std::string tab_walk(const ui::Form& form) {
    std::string walk;
    const QString first = focused_control(form);
    for (int k = 0; k < 64 && (k == 0 || focused_control(form) != first); ++k) {
        const QString name = focused_control(form);
        walk += (k == 0 ? "" : ";") + name.toStdString() + "=" +
                spoken_name(*form.window()->findChild<QWidget*>(name));
        QTest::keyClick(form.window()->focusWidget(), Qt::Key_Tab);
    }
    return walk;
}

std::string describe(const QRect& r) {
    return QString::asprintf("%d,%d %dx%d", r.x(), r.y(), r.width(), r.height()).toStdString();
}

std::string describe(const Placed& row) {
    return row.name + " in '" + row.container + "' at " + describe(row.rect) +
           (row.text ? " showing '" + *row.text + "'" : "") + " " + row.look;
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
            return {row.name + " missing"};
        }
        const QWidget* parent = control->parentWidget();
        Placed seen{row.name, parent == form.window() ? "" : parent->objectName().toStdString(),
                    control->geometry(), row.text ? std::optional(shown_text(*control)) : row.text,
                    ""};
        const auto* line = control->findChild<const QLineEdit*>();
        const QFont& font = control->font();
        if (line != nullptr && line->echoMode() == QLineEdit::Password) {
            const QStyle::StyleHint hint = QStyle::SH_LineEdit_PasswordCharacter;
            seen.look = QString(QChar(line->style()->styleHint(hint, nullptr, line))).toStdString();
        } else if (control->testAttribute(Qt::WA_SetFont)) {  // not the window's
            seen.look = look_of(font.family(), font.pointSizeF(), font.bold());
        }
        const bool grows = control->inherits("QLabel") || control->inherits("QCheckBox") ||
                           control->inherits("QRadioButton");
        if (grows && seen.rect.width() > row.rect.width()) {
            seen.rect.setWidth(row.rect.width());
        }
        shown.push_back(describe(seen));
    }
    return shown;
}

// Each caption cut off by the room its control leaves for text (a label's box, the space
// inside a button's bevel or beside its indicator, a frame's border between its corners), and
// each control across the border of a frame that holds it or that it lies over from beside it
// (of a label, which lets the frame show through, only its text).
std::vector<std::string> cut_off(const ui::Form& form) {
    std::vector<std::string> cut;
    const auto check = [&](const QWidget& control, const QRect& shown, const QRect& room) {
        if (!room.contains(shown)) {
            cut.push_back(control.objectName().toStdString() + ": " + describe(shown) +
                          " outside " + describe(room));
        }
    };
    for (QWidget* control : form.window()->findChildren<QWidget*>()) {
        const QString text = QString::fromStdString(shown_text(*control));
        const QFontMetrics metrics = control->fontMetrics();
        QRect room = control->contentsRect();
        QRect shown = room;  // nothing to cut off but a caption
        const auto* frame = dynamic_cast<ui::Frame*>(control);
        if (const auto* label = qobject_cast<QLabel*>(control)) {
            shown = metrics.boundingRect(room.x(), room.y(), room.width(), 10000,
                                         Qt::TextWordWrap | label->alignment(), text);
        } else if (control->inherits("QAbstractButton") || frame != nullptr) {
            QStyleOptionButton option;
            option.initFrom(control);
            option.text = text;
            const auto element = control->inherits("QPushButton") ? QStyle::SE_PushButtonContents
                                 : control->inherits("QCheckBox") ? QStyle::SE_CheckBoxContents
                                                                  : QStyle::SE_RadioButtonContents;
            room = frame != nullptr ? frame->caption_rect()
                                    : control->style()->subElementRect(element, &option, control);
            shown = QRect(room.topLeft(), QSize(metrics.horizontalAdvance(text), metrics.height()));
        }
        check(*control, shown, room);
        shown =
            control->inherits("QLabel") ? shown.translated(control->pos()) : control->geometry();
        for (const QWidget* beside :
             control->parentWidget()->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
            if (beside != control && beside->geometry().intersects(control->geometry())) {
                check(*control, shown.translated(-beside->pos()), beside->contentsRect());
            }
        }
        if (const auto* holder = qobject_cast<QGroupBox*>(control->parentWidget())) {
            check(*control, shown, holder->contentsRect());
        }
    }
    return cut;
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
    const bool dialog =
        QAccessible::queryAccessibleInterface(form.window())->role() == QAccessible::Dialog;
    EXPECT_EQ(vb::to_utf8(form.Caption()) + (dialog ? " dialog" : " frame"), window.announced);
    EXPECT_EQ(tab_walk(form), window.spoken);
    EXPECT_EQ(cut_off(form), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowControls, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
