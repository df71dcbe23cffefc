// The rename dialog: a new name and an "Ok" button that renames nothing.
#pragma once

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/text_box.h"

class RenameForm final : public ui::Form {
public:
    RenameForm();

    ui::Label* Label1 = nullptr;
    ui::TextBox* Text1 = nullptr;
    ui::CommandButton* Command1 = nullptr;

protected:
    void create_controls(QWidget& client) override;
    void Form_Load() override;
};

RenameForm& rename();
