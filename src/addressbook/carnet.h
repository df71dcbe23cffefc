// The address book: one contact's name, address, phone, fax, e-mail and site, a search box
// with nine search fields, and buttons to save, create and delete. It holds no data; only the
// "Search" check box acts, switching the search controls on and off.
#pragma once

#include <array>

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/option_button.h"
#include "platform/ui/text_box.h"

class CarnetForm final : public ui::Form {
public:
    CarnetForm();

    void chk_search_Click();

    ui::Frame *Frame1{}, *Frame3{}, *Frame2{};
    ui::Label *Label1{}, *Label2{}, *Label3{}, *Label4{}, *Label5{}, *Label6{}, *Label8{},
        *Label7{}, *Label9{};
    ui::TextBox *txt_fname{}, *txt_lname{}, *txt_adr{}, *txt_cp{}, *txt_ville{}, *txt_search{};
    ui::ComboBox *cmb_phone{}, *cmb_fax{}, *cmb_mail{}, *cmb_site{}, *cmb_num{};
    ui::CheckBox *chk_search{}, *chk_prv{};
    ui::OptionButton *rdo_FRN{}, *rdo_LSN{}, *rdo_ADR{}, *rdo_ZPC{}, *rdo_CTY{}, *rdo_PHN{},
        *rdo_EML{}, *rdo_FAX{}, *rdo_SIT{};
    ui::CommandButton *cmd_save{}, *cmd_new{}, *cmd_del{};

protected:
    void Form_Load() override;

private:
    // The search box and the nine options, in the order the switch sets them.
    std::array<QWidget*, 10> search_controls() const;
};

CarnetForm& carnet();
