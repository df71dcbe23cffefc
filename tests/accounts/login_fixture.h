// The login window over the main menu on a scratch database, the public entry logged on as
// at start; the user's clicks and typing, and the dialogs driven while they are shown.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "accounts/changepwd_form.h"
#include "accounts/confirme_form.h"
#include "accounts/logguer_form.h"
#include "data/module1.h"
#include "platform/vb/fixed_text.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "stand_in_forms.h"

using test_support::filled;

class LoginWindow : public ::testing::Test {
protected:
    using Items = std::vector<std::string>;

    LoginWindow() {
        Module1::confirme_ok = false;
        changepwd().idx_cmpt = 0;
        base().Load();  // logs the public entry on, as at start
        logguer().Load();
    }
    ~LoginWindow() override { unload_all(); }

    // Rows as the program stores them.
    void add_account(const std::string& login, const std::string& password) const {
        db.exec("INSERT INTO compte VALUES ('" + filled(login) + "','" + password + "');");
    }
    void add_access(const std::string& owner, const std::string& psd) const {
        db.exec("INSERT INTO acceder VALUES ('" + filled(owner) + "','" + filled(psd) + "',1,1);");
    }

    // Whether compte holds `password`, as typed, for `login`.
    bool stored(const std::string& login, const vb::String& password) const {
        return db.dump().find(filled(login) + "'|'" + vb::to_utf8(password) + "'\n") !=
               std::string::npos;
    }

    static void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // A modal dialog's button that should close it; the dialog is unloaded if it did not, so
    // that the handler that showed it resumes either way.
    static void close_by(QWidget* button, ui::Form& dialog) {
        press(button);
        EXPECT_FALSE(dialog.IsLoaded()) << vb::to_utf8(dialog.Caption()) << " still open";
        dialog.Unload();
    }

    static void log_on(const vb::String& login, const vb::String& password) {
        logguer().txt_psd->setText(login);
        logguer().txt_pwd->setText(password);
        press(logguer().btn_logguer);
    }

    // "New User", and `confirmation` typed into the Confirm dialog if it comes up.
    void create(const vb::String& login, const vb::String& password,
                const vb::String& confirmation) {
        ui::set_modal_hook([&](ui::Form& dialog) {
            ++confirmations;
            Confirme().Text1->setText(confirmation);
            close_by(Confirme().Command1, dialog);
        });
        logguer().txt_psd->setText(login);
        logguer().txt_pwd->setText(password);
        press(logguer().btn_NU);
        ui::set_modal_hook({});
    }

    // "Change Password" for what is selected, the boxes typed and OK or `button` pressed; returns
    // the entry chosen, as lbl_AA showed it while the window was open.
    std::string change(const vb::String& old_password, const vb::String& new_password,
                       const vb::String& confirmation,
                       ui::CommandButton* ChangePwdForm::*button = &ChangePwdForm::btn_ok) {
        std::string chosen = "(no window)";
        ui::set_modal_hook([&](ui::Form& dialog) {
            chosen = active_line();
            changepwd().txt_old->setText(old_password);
            changepwd().txt_new->setText(new_password);
            changepwd().txt_conf->setText(confirmation);
            close_by(changepwd().*button, dialog);
        });
        press(logguer().btn_chgpwd);
        ui::set_modal_hook({});
        return chosen;
    }

    // Selects the first item of each text with the mouse, Ctrl extending the selection.
    static void select(const std::vector<vb::String>& texts) {
        auto* list = logguer().List;
        const Lines lines = lines_of(*list);
        for (const vb::String& text : texts) {
            const int row =
                std::find(lines.begin(), lines.end(), vb::fit(text, 50)) - lines.begin();
            ASSERT_LT(row, list->ListCount()) << vb::to_utf8(text);
            const QModelIndex index = list->model()->index(row, 0);
            list->scrollTo(index);
            QTest::mouseClick(list->viewport(), Qt::LeftButton,
                              &text == texts.data() ? Qt::NoModifier : Qt::ControlModifier,
                              list->visualRect(index).center());
        }
    }

    // The list's items, each filled to 50 characters, read without their trailing blanks.
    static Items items() {
        Items result;
        for (int k = 0; k < logguer().List->ListCount(); ++k) {
            const vb::String item = logguer().List->List(k);
            EXPECT_EQ(item.size(), 50u) << vb::to_utf8(item);
            result.push_back(vb::to_utf8(item.substr(0, item.find_last_not_of(u' ') + 1)));
        }
        return result;
    }

    static std::string log_on_line() { return vb::to_utf8(logguer().lbl_LOA->Caption()); }
    static std::string active_line() { return vb::to_utf8(logguer().lbl_AA->Caption()); }

    int confirmations = 0;
    test_support::ScratchDatabase db;
};
