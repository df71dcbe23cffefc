// The login window: logs accounts on and off, creates and deletes them, and opens the
// change-password and configuration windows for an entry of its list. Two message lines
// report the outcome of every action.
#pragma once

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"
#include "platform/vb/integer.h"
#include "platform/vb/text.h"

class LogguerForm final : public ui::Form {
public:
    LogguerForm();

    void btn_logguer_Click();
    void btn_unlog_Click();
    void btn_chgpwd_Click();
    void btn_cfg_Click();
    void btn_NU_Click();
    void btn_supprimer_Click();

    void remplir_liste();
    void ajouter_compte();
    void supprimer_compte(const vb::Integer& index);

    ui::Frame *Frame1{}, *frm_LOA{};
    ui::ListBox* List{};
    ui::Label *lbl_AA{}, *Label1{}, *Label2{}, *lbl_LOA{};
    ui::CommandButton *btn_unlog{}, *btn_supprimer{}, *btn_chgpwd{}, *btn_cfg{}, *btn_logguer{},
        *btn_NU{};
    ui::TextBox *txt_psd{}, *txt_pwd{};

protected:
    void Form_Load() override;

private:
    // The message of a log on or of an account creation, once it has run.
    vb::String log_on();
    vb::String new_user();
    void show_outcome(const vb::String& message);
    // The change-password window's entry becomes the last selected item, and lbl_AA shows it.
    void choose_entry();
    // Configuration mode switches these off and back on; "Configuration" itself stays usable.
    void enable_log_on(bool enabled);
};

LogguerForm& logguer();
