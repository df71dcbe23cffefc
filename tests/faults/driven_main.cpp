// The program as it starts, then driven through its real windows by the steps on its
// command line, for tests that watch it from outside:
//   guichet_driven DATABASE STEP...
// Steps: login | log LOGIN PASSWORD | new LOGIN PASSWORD | pwd ENTRY OLD NEW | del ENTRY |
// cfg | ftp | enter NAME | files | new-many PREFIX COUNT | remove PATH (as another program
// would, between two of the user's actions) | new-held LOGIN PASSWORD (as new, but says
// "held" once the Confirm dialog is up and waits there for a line on standard input).
// Each step prints what the window shows afterwards on its own line of standard output.
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <string>

#include "accounts/changepwd_form.h"
#include "accounts/confirme_form.h"
#include "accounts/logguer_form.h"
#include "ftp/ftp_form.h"
#include "scratch_database.h"
#include "shell/base.h"
#include "app/startup.h"
#include "ui/application.h"
#include "ui/form.h"
#include "vb/fixed_text.h"

namespace {

void say(const std::string& what, const vb::String& shown) {
    std::printf("%s: %s\n", what.c_str(), vb::to_utf8(shown).c_str());
    std::fflush(stdout);
}

void press(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void select_only(ui::ListBox& list, const vb::String& text) {
    const vb::String wanted = vb::fit(text, 50);
    for (int row = 0; row < list.ListCount(); ++row) {
        list.setSelected(row, list.List(row) == wanted);
    }
}

// Another person's turn while this one reads the Confirm dialog.
void wait_for_go_ahead() {
    std::puts("held");
    std::fflush(stdout);
    for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {
    }
}

void create(const vb::String& login, const vb::String& password, bool held = false) {
    ui::set_modal_hook([password, held](ui::Form&) {
        if (held) {
            wait_for_go_ahead();
        }
        Confirme().Text1->setText(password);
        press(Confirme().Command1);
    });
    logguer().txt_psd->setText(login);
    logguer().txt_pwd->setText(password);
    press(logguer().btn_NU);
    ui::set_modal_hook({});
}

class Steps final {
public:
    explicit Steps(std::deque<std::string> words) : words_(std::move(words)) {}

    void run() {
        while (!words_.empty()) {
            const std::string step = next_word();
            if (step == "login") {
                press(base().btn_logger);
            } else if (step == "log") {
                logguer().txt_psd->setText(next());
                logguer().txt_pwd->setText(next());
                press(logguer().btn_logguer);
                say(step, logguer().lbl_LOA->Caption());
            } else if (step == "new") {
                const vb::String login = next();
                create(login, next());
                say(step, logguer().lbl_LOA->Caption());
            } else if (step == "new-held") {
                const vb::String login = next();
                create(login, next(), true);
                say(step, logguer().lbl_LOA->Caption());
            } else if (step == "new-many") {
                const vb::String prefix = next();
                const int count = std::stoi(next_word());
                for (int i = 0; i < count; ++i) {
                    create(prefix + vb::from_utf8(std::to_string(i)), u"pw");
                    say(step, logguer().lbl_LOA->Caption());
                }
            } else if (step == "pwd") {
                change_password();
            } else if (step == "del") {
                select_only(*logguer().List, next());
                press(logguer().btn_supprimer);
                say(step, logguer().lbl_AA->Caption());
            } else if (step == "cfg") {
                press(logguer().btn_cfg);
                say(step, logguer().lbl_LOA->Caption());
            } else if (step == "ftp") {
                press(base().btn_ftp);
            } else if (step == "enter") {
                enter(next());
            } else if (step == "remove") {
                std::filesystem::remove_all(next_word());
            } else if (step == "files") {
                for (int row = 0; row < ftp().lst_FILE->ListCount(); ++row) {
                    say(step, ftp().lst_FILE->List(row));
                }
            } else {
                std::fprintf(stderr, "unknown step %s\n", step.c_str());
                std::_Exit(2);
            }
        }
    }

private:
    std::string next_word() {
        if (words_.empty()) {
            std::fputs("a step lacks its arguments\n", stderr);
            std::_Exit(2);
        }
        std::string word = std::move(words_.front());
        words_.pop_front();
        return word;
    }
    vb::String next() { return vb::from_utf8(next_word()); }

    void change_password() {
        select_only(*logguer().List, next());
        const vb::String old_password = next();
        const vb::String new_password = next();
        ui::set_modal_hook([=](ui::Form&) {
            changepwd().txt_old->setText(old_password);
            changepwd().txt_new->setText(new_password);
            changepwd().txt_conf->setText(new_password);
            press(changepwd().btn_ok);
        });
        press(logguer().btn_chgpwd);
        ui::set_modal_hook({});
        say("pwd", logguer().lbl_AA->Caption());
    }

    // A double-click on the folder's line, as the user gives it.
    void enter(const vb::String& name) {
        ui::ListBox& list = *ftp().lst_FILE;
        for (int row = 0; row < list.ListCount(); ++row) {
            if (list.List(row) == u"  " + name) {
                const QModelIndex index = list.model()->index(row, 0);
                list.scrollTo(index);
                const QPoint at = list.visualRect(index).center();
                QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
                say("enter", ftp().chemin);
                return;
            }
        }
        say("no such folder", name);
    }

    std::deque<std::string> words_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: guichet_driven DATABASE STEP...\n", stderr);
        return 2;
    }
    test_support::use_database(argv[1]);
    Steps steps(std::deque<std::string>(argv + 2, argv + argc));
    int toolkit_argc = 1;
    ui::Application application(toolkit_argc, argv);
    app::open_main_menu();
    QTimer::singleShot(0, [&steps] {
        ui::guarded([&steps] { steps.run(); });
        std::_Exit(0);
    });
    return application.exec();
}
