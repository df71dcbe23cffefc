#include "accounts/confirme_form.h"

#include "accounts/logguer_form.h"
#include "data/module1.h"
#include "shell/placement.h"

ConfirmeForm::ConfirmeForm() : ui::Form(u"Confirm", 3975, 495) {}

void ConfirmeForm::create_controls(QWidget& client) {
    Label1 = add<ui::Label>(client, "Label1", {120, 120, 1455, 255}, 0);
    Label1->setCaption(u"Confirm Password :");
    Text1 = add<ui::TextBox>(client, "Text1", {1560, 120, 1695, 285}, 1);
    Text1->setPasswordChar(u'*');
    ui::set_label(*Label1, *Text1);
    Command1 = add<ui::CommandButton>(client, "Command1", {3360, 120, 495, 255}, 2);
    Command1->setCaption(u"Ok");
    Command1->onClick([this] { Command1_Click(); });
}

void ConfirmeForm::Form_Load() {
    Module1::show_dialog();
}

void ConfirmeForm::Command1_Click() {
    Module1::confirme_ok = false;
    // The password box holds the password as typed: blanks and case count.
    if (Text1->Text() == logguer().txt_pwd->Text()) {
        Module1::confirme_ok = true;
    }
    Module1::close_dialogs();
}

ConfirmeForm& Confirme() {
    // Never destroyed: its window may outlive the application object at exit.
    static auto* instance = new ConfirmeForm;
    return *instance;
}
