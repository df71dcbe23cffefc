#include "ftp/rename_form.h"

#include "shell/placement.h"

RenameForm::RenameForm() : ui::Form(u"Rename", 3270, 495) {}

void RenameForm::create_controls(QWidget& client) {
    Label1 = add<ui::Label>(client, "Label1", {120, 120, 975, 255}, 2);
    Label1->setCaption(u"New Name :");
    Text1 = add<ui::TextBox>(client, "Text1", {1080, 120, 1455, 285}, 0);
    Text1->setText(u"Text1");
    ui::set_label(*Label1, *Text1);
    Command1 = add<ui::CommandButton>(client, "Command1", {2640, 120, 495, 255}, 1);
    Command1->setCaption(u"Ok");
}

void RenameForm::Form_Load() {
    Module1::show_dialog();
}

RenameForm& rename() {
    // Never destroyed: its window may outlive the application object at exit.
    static auto* instance = new RenameForm;
    return *instance;
}
