// The address book: one contact's name, address, phone, fax, e-mail and site, a search box
// with nine search fields, and buttons to save, create and delete. It holds no data; only the
// "Search" check box acts, switching the search controls on and off.
#pragma once

#include <array>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/control_table.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

class CarnetForm final : public ui::Form {
public:
    CarnetForm();

    // The window's controls, one row each, as loading creates them into the members below.
    static const ui::ControlTable<CarnetForm> controls;

    void chk_search_Click();

    ui::Frame* Frame1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::TextBox* txt_fname = nullptr;
    ui::Label* Label2 = nullptr;
    ui::TextBox* txt_lname = nullptr;
    ui::Label* Label3 = nullptr;
    ui::TextBox* txt_adr = nullptr;
    ui::Label* Label4 = nullptr;
    ui::TextBox* txt_cp = nullptr;
    ui::Label* Label5 = nullptr;
    ui::TextBox* txt_ville = nullptr;
    ui::Label* Label6 = nullptr;
    ui::ComboBox* cmb_phone = nullptr;
    ui::Label* Label8 = nullptr;
    ui::ComboBox* cmb_fax = nullptr;
    ui::Label* Label7 = nullptr;
    ui::ComboBox* cmb_mail = nullptr;
    ui::Label* Label9 = nullptr;
    ui::ComboBox* cmb_site = nullptr;
    ui::ComboBox* cmb_num = nullptr;
    ui::CheckBox* chk_search = nullptr;
    ui::Frame* Frame3 = nullptr;
    ui::TextBox* txt_search = nullptr;
    ui::OptionButton* rdo_FRN = nullptr;
    ui::OptionButton* rdo_LSN = nullptr;
    ui::OptionButton* rdo_ADR = nullptr;
    ui::OptionButton* rdo_ZPC = nullptr;
    ui::OptionButton* rdo_CTY = nullptr;
    ui::OptionButton* rdo_PHN = nullptr;
    ui::OptionButton* rdo_EML = nullptr;
    ui::OptionButton* rdo_FAX = nullptr;
    ui::OptionButton* rdo_SIT = nullptr;
    ui::Frame* Frame2 = nullptr;
    ui::CommandButton* cmd_save = nullptr;
    ui::CommandButton* cmd_new = nullptr;
    ui::CommandButton* cmd_del = nullptr;
    ui::CheckBox* chk_prv = nullptr;

protected:
    void create_controls(QWidget& client) override;
    void Form_Load() override;

private:
    // The search box and the nine options, in the order the switch sets them.
    std::array<QWidget*, 10> search_controls() const;
};

CarnetForm& carnet();
