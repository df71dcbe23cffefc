// The rename dialog: a new name and an "Ok" button that renames nothing.
#pragma once

#include "ui/command_button.h"
#include "ui/control_table.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text_box.h"

class RenameForm final : public ui::Form {
public:
    RenameForm();

    // The dialog's controls, one row each, as loading creates them into the members below.
    static const ui::ControlTable<RenameForm> controls;

    ui::Label* Label1 = nullptr;
    ui::TextBox* Text1 = nullptr;
    ui::CommandButton* Command1 = nullptr;

protected:
    void create_controls(QWidget& client) override;
    void Form_Load() override;
};

RenameForm& rename();
