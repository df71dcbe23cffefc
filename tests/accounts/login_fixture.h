// The login window on a scratch database, over a stand-in main menu, with the public entry
// logged on as at start-up; the user's clicks and typing, and a dialog driven while it is
// shown modally.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "accounts/changepwd_form.h"
#include "accounts/confirme_form.h"
#include "accounts/logguer_form.h"
#include "data/module1.h"
#include "scratch_database.h"
#include "stand_in_forms.h"
#include "vb/fixed_text.h"

class LoginWindow : public ::testing::Test {
protected:
    using Items = std::vector<std::string>;

    LoginWindow() {
        using namespace Module1;
        nb_comptes = nb_acces = nb_sites = nb_contacts = 0;
        nb_connectes = 1;
        connectes.redim_preserve(1);
        connectes[0] = Compte{u" Public", u" "};
        confirme_ok = false;
        changepwd().idx_cmpt = 0;
        menu.Load();
        menu.setLeft(4980);
        menu.setTop(990);
        menu.setVisible(true);
        logguer().Load();
    }
    ~LoginWindow() override {
        ui::set_modal_hook({});
        for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
            ui::Forms::Item(k).Unload();
        }
    }

    // Rows of compte, filled as the program stores them.
    void add_account(const std::string& login, const std::string& password) const {
        db.exec("INSERT INTO compte VALUES ('" + test_support::filled(login) + "','" + password +
                "');");
    }
    void add_access(const std::string& owner, const std::string& psd) const {
        db.exec("INSERT INTO acceder VALUES ('" + test_support::filled(owner) + "','" +
                test_support::filled(psd) + "',1,1);");
    }

    // Typed key by key where the test keyboard has the keys (printable ASCII); anything else
    // goes in as a paste would put it.
    static void type(ui::TextBox* box, const vb::String& text) {
        box->setText(u"");
        const bool typeable = std::all_of(text.begin(), text.end(), [](char16_t c) {
            return c >= 0x20 && c < 0x7F;
        });
        if (typeable) {
            QTest::keyClicks(box->editor(), QString::fromStdU16String(text));
        } else {
            box->setText(text);
        }
    }
    static void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    static void log_on(const vb::String& login, const vb::String& password) {
        type(logguer().txt_psd, login);
        type(logguer().txt_pwd, password);
        press(logguer().btn_logguer);
    }

    // While a dialog is shown modally, `drive` acts on it as the user would.
    static void when_shown(std::function<void(ui::Form&)> drive) {
        ui::set_modal_hook([drive = std::move(drive)](ui::Form& dialog) {
            // Clearing the hook destroys this lambda: keep the action first.
            const auto act = drive;
            ui::set_modal_hook({});
            act(dialog);
        });
    }

    // "New User" with `confirmation` typed into the dialog, if it comes up; counts the
    // confirmations asked for.
    void create(const vb::String& login, const vb::String& password,
                const vb::String& confirmation) {
        when_shown([this, confirmation](ui::Form& dialog) {
            ++confirmations;
            EXPECT_EQ(&dialog, &Confirme());
            EXPECT_EQ(Confirme().Text1->Text(), u"");
            type(Confirme().Text1, confirmation);
            press(Confirme().Command1);
        });
        type(logguer().txt_psd, login);
        type(logguer().txt_pwd, password);
        press(logguer().btn_NU);
        ui::set_modal_hook({});
    }
    void create(const vb::String& login, const vb::String& password) {
        create(login, password, password);
    }

    // "Change Password" for what is selected, typing into the three boxes and pressing OK;
    // returns what lbl_AA showed while the window was open.
    static std::string change(const vb::String& old_password, const vb::String& new_password,
                              const vb::String& confirmation) {
        std::string chosen;
        when_shown([&](ui::Form& dialog) {
            EXPECT_EQ(&dialog, &changepwd());
            chosen = active_line();
            type(changepwd().txt_old, old_password);
            type(changepwd().txt_new, new_password);
            type(changepwd().txt_conf, confirmation);
            press(changepwd().btn_ok);
        });
        press(logguer().btn_chgpwd);
        EXPECT_FALSE(changepwd().IsLoaded());
        return chosen;
    }

    // Selects the first item of each text with the mouse, Ctrl extending the selection.
    static void select(std::initializer_list<vb::String> texts) {
        auto* list = logguer().List;
        bool first = true;
        for (const vb::String& text : texts) {
            const vb::String wanted = vb::fit(text, 50);
            int row = 0;
            while (row < list->ListCount() && list->List(row) != wanted) {
                ++row;
            }
            ASSERT_LT(row, list->ListCount()) << vb::to_utf8(text);
            const QModelIndex index = list->model()->index(row, 0);
            list->scrollTo(index);
            QTest::mouseClick(list->viewport(), Qt::LeftButton,
                              first ? Qt::KeyboardModifiers{} : Qt::ControlModifier,
                              list->visualRect(index).center());
            first = false;
        }
    }

    // The list's items, trailing blanks removed for reading.
    static std::vector<std::string> items() {
        std::vector<std::string> result;
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
    StandInForm menu{u"Base", 2775, 255, nullptr};
};

inline std::string filled(const std::string& login) {
    return test_support::filled(login);
}
