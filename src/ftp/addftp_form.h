// The FTP-site editor "Add New FTP": the fields of one bookmark and three buttons, none
// of them connected to any record.
#pragma once

#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/text_box.h"

class AddFtpForm final : public ui::Form {
public:
    AddFtpForm();

    ui::Label *Label1{}, *Label2{}, *Label3{}, *Label4{}, *Label5{};
    ui::TextBox *Text1{}, *Text2{}, *Text3{}, *Text4{}, *Text5{};
    ui::CheckBox* Check1{};
    ui::CommandButton *btn_rplc{}, *Command1{}, *btn_cancel{};

protected:
    void Form_Load() override;
};

AddFtpForm& addftp();
