// The confirmation dialog of a new account: the password typed a second time, compared
// with the login window's password box when "Ok" closes it.
#pragma once

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/text_box.h"

class ConfirmeForm final : public ui::Form {
public:
    ConfirmeForm();

    void Command1_Click();

    ui::Label* Label1{};
    ui::TextBox* Text1{};
    ui::CommandButton* Command1{};

protected:
    void Form_Load() override;
};

ConfirmeForm& Confirme();
