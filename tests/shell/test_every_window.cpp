// Every window as people meet it: its caption and role, what a screen reader speaks for each
// control, the Tab order from the control focused on opening, no caption cut off, no control
// across its frame's border. Where the windows rest is seen on real screens, end to end.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "accounts/changepwd_form.h"
#include "accounts/confirme_form.h"
#include "accounts/logguer_form.h"
#include "addressbook/carnet.h"
#include "config/configcompte_form.h"
#include "ftp/addftp_form.h"
#include "ftp/ftp_form.h"
#include "ftp/rename_form.h"
#include "platform/fs/drives.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "stand_in_forms.h"

namespace {

struct Window {
    const char* name;
    const char* announced;  // the caption and the role a screen reader gives the window
    ui::Form& (*open)();    // loads the window over the windows it opens from
    // "control=spoken name" joined by ";", in Tab order from the control focused on opening.
    const char* spoken;
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
    {"base", "Base frame", opened<base>,
     "btn_quitter=Exit;btn_logger=Login;btn_carnet=Adress Book;btn_ftp=FTP"},
    {"logguer", "Login frame", opened<logguer>,
     "List=Active Account;btn_unlog=Unlog;txt_psd=Login :;txt_pwd=Password :;btn_logguer=Log;"
     "btn_supprimer=Delete;btn_NU=New User;btn_chgpwd=Change Password;btn_cfg=Configuration"},
    {"Confirme", "Confirm dialog", opened<logguer, Confirme>,
     "Text1=Confirm Password :;Command1=Ok"},
    {"changepwd", "Change Password dialog", opened<logguer, changepwd>,
     "txt_old=Old :;txt_new=New :;txt_conf=Confirm :;btn_ok=OK;btn_cancel=Cancel"},
    {"configcompte", "Configuration dialog", opened<logguer, configcompte>,
     "lst_cmpt=Access Right;Check1=Public;Check2=Private;Check3=Public;Check4=Private;"
     "List2=Public :;List3=Private :;Command1=Add / Configure;Command2=Delete;List4=Public :;"
     "List5=Private :;Command4=Configure;Command5=Delete;Command6=New"},
    {"carnet", "Address Book frame", carnet_searching,
     "txt_fname=First Name :;txt_lname=Last Name :;txt_adr=Address :;txt_cp=Zip Code :;"
     "txt_ville=City :;cmb_phone=Phone :;cmb_mail=E-Mail :;cmd_save=Save;cmd_new=New;"
     "cmd_del=Delete;chk_prv=Private;cmb_num=Informations;cmb_fax=Fax :;cmb_site=Site :;"
     "txt_search=Search;rdo_FRN=First Name;chk_search=Search"},
    {"ftp", "FTP frame", opened<ftp>,
     "btn_delFTP=Delete;lst_FTP=FTP Files;lst_FILE=Files->c:;btn_cfgFTP=Add / Configure;"
     "cmb_selFTP=FTP Files;Command1=Delete;Command2=Rename;Command3=Cut;Command4=Copy;"
     "Command5=Paste;drive=Files->c:"},
    {"addftp", "Add New FTP dialog", opened<ftp, addftp>,
     "Check1=Private;Text1=Login :;Text2=Password :;Text3=Adress :;Text4=Port :;Text5=Name :;"
     "btn_rplc=Replace;btn_cancel=Cancel;Command1=Add"},
    {"rename", "Rename dialog", opened<ftp, static_cast<RenameForm& (*)()>(rename)>,
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
TEST_P(WindowControls, ReadsAsItsUsersExpectWithNothingCutOff) {
    const Window& window = GetParam();
    const ui::Form& form = window.open();
    const bool dialog =
        QAccessible::queryAccessibleInterface(form.window())->role() == QAccessible::Dialog;
    EXPECT_EQ(vb::to_utf8(form.Caption()) + (dialog ? " dialog" : " frame"), window.announced);
    EXPECT_EQ(tab_walk(form), window.spoken);
    EXPECT_EQ(cut_off(form), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowControls, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
