// The rename dialog: a new name and an "Ok" button that renames nothing.
#pragma once

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/text_box.h"

class RenameForm final : public ui::Form {
public:
    RenameForm();

    ui::Label* Label1{};
    ui::TextBox* Text1{};
    ui::CommandButton* Command1{};

protected:
    void Form_Load() override;
};

RenameForm& rename();
