// The access-rights configuration window: every stored account on the left, beside
// public and private switches, and lists of FTP sites and address-book entries. Only the
// account list is filled; the FTP "Add / Configure" button opens the FTP-site editor.
#pragma once

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/control_table.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"

class ConfigCompteForm final : public ui::Form {
public:
    ConfigCompteForm();

    // The window's controls, one row each, as loading creates them into the members below.
    static const ui::ControlTable<ConfigCompteForm> controls;

    void lst_cmpt_Click();
    void Command1_Click();

    ui::Frame* Frame1 = nullptr;
    ui::ListBox* lst_cmpt = nullptr;
    ui::Frame* Frame2 = nullptr;
    ui::CheckBox* Check1 = nullptr;
    ui::CheckBox* Check2 = nullptr;
    ui::Frame* Frame3 = nullptr;
    ui::CheckBox* Check3 = nullptr;
    ui::CheckBox* Check4 = nullptr;
    ui::Frame* Frame4 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::ListBox* List2 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::ListBox* List3 = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Command2 = nullptr;
    ui::Frame* Frame5 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::ListBox* List4 = nullptr;
    ui::Label* Label4 = nullptr;
    ui::ListBox* List5 = nullptr;
    ui::CommandButton* Command4 = nullptr;
    ui::CommandButton* Command5 = nullptr;
    ui::CommandButton* Command6 = nullptr;

protected:
    void create_controls(QWidget& client) override;
    void Form_Load() override;
};

ConfigCompteForm& configcompte();
