// The access-rights configuration window: every stored account on the left, beside
// public and private switches, and lists of FTP sites and address-book entries. Only the
// account list is filled; the FTP "Add / Configure" button opens the FTP-site editor.
#pragma once

#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"

class ConfigCompteForm final : public ui::Form {
public:
    ConfigCompteForm();

    void lst_cmpt_Click();
    void Command1_Click();

    ui::Frame *Frame1{}, *Frame2{}, *Frame3{}, *Frame4{}, *Frame5{};
    ui::ListBox *lst_cmpt{}, *List2{}, *List3{}, *List4{}, *List5{};
    ui::CheckBox *Check1{}, *Check2{}, *Check3{}, *Check4{};
    ui::Label *Label1{}, *Label2{}, *Label3{}, *Label4{};
    ui::CommandButton *Command1{}, *Command2{}, *Command4{}, *Command5{}, *Command6{};

protected:
    void Form_Load() override;
};

ConfigCompteForm& configcompte();
