// The FTP-site editor "Add New FTP": the fields of one bookmark and three buttons, none
// of them connected to any record.
#pragma once

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/control_table.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text_box.h"

class AddFtpForm final : public ui::Form {
public:
    AddFtpForm();

    // The editor's controls, one row each, as loading creates them into the members below.
    static const ui::ControlTable<AddFtpForm> controls;

    ui::Label* Label1 = nullptr;
    ui::TextBox* Text1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::TextBox* Text2 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::TextBox* Text3 = nullptr;
    ui::Label* Label4 = nullptr;
    ui::TextBox* Text4 = nullptr;
    ui::Label* Label5 = nullptr;
    ui::TextBox* Text5 = nullptr;
    ui::CheckBox* Check1 = nullptr;
    ui::CommandButton* btn_rplc = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* btn_cancel = nullptr;

protected:
    void create_controls(QWidget& client) override;
    void Form_Load() override;
};

AddFtpForm& addftp();
