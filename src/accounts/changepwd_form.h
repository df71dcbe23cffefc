// The change-password window: the old password, the new one and its confirmation, for the
// entry of the login window's list at idx_cmpt. "OK" reports in the login window and closes.
#pragma once

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/text_box.h"
#include "platform/vb/integer.h"
#include "platform/vb/text.h"

class ChangePwdForm final : public ui::Form {
public:
    ChangePwdForm();

    void btn_ok_Click();
    void btn_cancel_Click();

    // Set by the login window before it shows this one; kept after the window closes.
    vb::Integer idx_cmpt;

    ui::Label *Label1{}, *Label2{}, *Label3{};
    ui::TextBox *txt_old{}, *txt_new{}, *txt_conf{};
    ui::CommandButton *btn_ok{}, *btn_cancel{};

protected:
    void Form_Load() override;

private:
    vb::String password_change();
};

ChangePwdForm& changepwd();
