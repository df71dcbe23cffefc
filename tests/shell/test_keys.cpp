// The keys on every kind of window: Escape and the close request close nothing but the main
// menu, which they end as "Exit" does; Enter and space press the focused button.
#include <QKeySequence>

#include "config/configcompte_form.h"
#include "login_fixture.h"

namespace {

// The focused button, and the windows shown right after the key, then the login window's message
// lines: after Escape or a close request (none: the process ends), and after Enter or space.
struct WindowKind {
    const char* name;
    QWidget* (*button)();
    ui::CommandButton* LogguerForm::*opener;  // the login window's button that opens the window
    const char *closed, *pressed;
};

const WindowKind kKinds[] = {
    {"MainMenu", []() -> QWidget* { return base().btn_logger; }, nullptr, nullptr, "Base / "},
    {"WorkingWindow", []() -> QWidget* { return logguer().btn_logguer; }, nullptr,
     "Base,Login / Ready !!!|Ready !!!", "Base,Login / Wrong Informations|Ready !!!"},
    {"Dialog", []() -> QWidget* { return configcompte().Command1; }, &LogguerForm::btn_cfg,
     "Base,Login,Configuration / Disable| Public",
     "Base,Login,Configuration,Add New FTP / Disable| Public"},
    {"ModalChangePassword", []() -> QWidget* { return changepwd().btn_ok; },
     &LogguerForm::btn_chgpwd, "Base,Login,Change Password / Ready !!!|Unchanged Password",
     "Base,Login / Ready !!!|Unchanged Password"},
    {"ModalConfirm", []() -> QWidget* { return Confirme().Command1; }, &LogguerForm::btn_NU,
     "Base,Login,Confirm / Wrong Confirmation|Ready !!!",
     "Base,Login / Wrong Confirmation|Ready !!!"},
};
const char* const kKeys[] = {"Escape", "CloseRequest", "Return", "Space"};  // by name

class Keys : public LoginWindow,
             public ::testing::WithParamInterface<std::tuple<WindowKind, const char*>> {};

TEST_P(Keys, CloseNothingButTheMenuAndPressTheFocusedButton) {
    const WindowKind& kind = std::get<0>(GetParam());  // named apart: lambdas capture it
    const Qt::Key key = QKeySequence(std::get<1>(GetParam()))[0].key();
    const bool closing = key == Qt::Key_Escape || key == Qt::Key_unknown;
    std::string after_key;
    const auto strike = [&] {
        QWidget* button = kind.button();
        button->setFocus();
        key != Qt::Key_unknown ? QTest::keyClick(button, key) : void(button->window()->close());
        after_key = captions();
    };
    base().setVisible(true);
    if (kind.closed == nullptr && closing) {
        EXPECT_EXIT((strike(), std::fputs("still running", stderr)), ::testing::ExitedWithCode(0),
                    "^$");
        return;
    }
    Module1::confirme_ok = true;  // as a double-click in the FTP window leaves it
    logguer().txt_psd->setText(u"bob");
    logguer().txt_pwd->setText(u"pw");
    ui::set_modal_hook([&](ui::Form& dialog) {
        strike();
        if (dialog.IsLoaded()) {
            close_by(kind.button(), dialog);
        }
    });
    if (kind.opener != nullptr) {
        press(logguer().*kind.opener);
    }
    if (after_key.empty()) {  // not modal
        strike();
    }
    ui::set_modal_hook({});
    const std::string lines = logguer().IsLoaded() ? log_on_line() + "|" + active_line() : "";
    EXPECT_EQ(after_key + " / " + QString::fromStdString(lines).trimmed().toStdString(),
              closing ? kind.closed : kind.pressed);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, Keys, ::testing::Combine(::testing::ValuesIn(kKinds), ::testing::ValuesIn(kKeys)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
    });

}  // namespace
