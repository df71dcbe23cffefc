#include "ftp/addftp_form.h"

#include "shell/placement.h"

AddFtpForm::AddFtpForm() : ui::Form(u"Add New FTP", 3255, 2895) {}

void AddFtpForm::create_controls(QWidget& client) {
    const auto field = [&](ui::Label*& label, const char* label_name, const char16_t* caption,
                           ui::TextBox*& box, const char* box_name, const char16_t* text, int top,
                           int tab_index) {
        label = add<ui::Label>(client, label_name, {120, top, 855, 255}, 9 + tab_index);
        label->setCaption(caption);
        box = add<ui::TextBox>(client, box_name, {960, top, 2175, 285}, tab_index);
        box->setText(text);
        ui::set_label(*label, *box);
    };
    field(Label1, "Label1", u"Login :", Text1, "Text1", u"Text1", 120, 1);
    // The password is shown in clear.
    field(Label2, "Label2", u"Password :", Text2, "Text2", u"Text2", 600, 2);
    field(Label3, "Label3", u"Adress :", Text3, "Text3", u"Text3", 1080, 3);
    field(Label4, "Label4", u"Port :", Text4, "Text4", u"Text4", 1560, 4);
    field(Label5, "Label5", u"Name :", Text5, "Text5", u"Text5", 2040, 5);

    Check1 = add<ui::CheckBox>(client, "Check1", {120, 2520, 855, 255}, 0);
    Check1->setCaption(u"Private");
    btn_rplc = add<ui::CommandButton>(client, "btn_rplc", {960, 2520, 735, 255}, 6);
    btn_rplc->setCaption(u"Replace");
    Command1 = add<ui::CommandButton>(client, "Command1", {1800, 2520, 495, 255}, 8);
    Command1->setCaption(u"Add");
    btn_cancel = add<ui::CommandButton>(client, "btn_cancel", {2400, 2520, 735, 255}, 7);
    btn_cancel->setCaption(u"Cancel");
}

void AddFtpForm::Form_Load() {
    Module1::show_dialog2();
}

AddFtpForm& addftp() {
    // Never destroyed: its window may outlive the application object at exit.
    static auto* instance = new AddFtpForm;
    return *instance;
}
