#include "addressbook/carnet.h"

#include "shell/placement.h"
#include "ui/accessible_name.h"

CarnetForm::CarnetForm() : ui::Form(u"Address Book", 4215, 8655) {}

void CarnetForm::create_controls(QWidget& client) {
    Frame1 = add<ui::Frame>(client, "Frame1", {120, 120, 3975, 7455}, 30);
    Frame1->setCaption(u"Informations");

    const auto labelled = [&](ui::Label*& label, const char* label_name, const char16_t* caption,
                              QWidget& box, int top) {
        label = add<ui::Label>(*Frame1, label_name, {120, top, 855, 255}, 40 + top / 480);
        label->setCaption(caption);
        ui::set_label(*label, box);
    };
    const auto text_box = [&](ui::TextBox*& box, const char* name, const char16_t* text, int top,
                              int tab_index) {
        box = add<ui::TextBox>(*Frame1, name, {1080, top, 2775, 285}, tab_index);
        box->setText(text);
    };
    const auto combo_box = [&](ui::ComboBox*& box, const char* name, const char16_t* text, int top,
                               int tab_index) {
        box = add<ui::ComboBox>(*Frame1, name, {1080, top, 2775, 315}, tab_index);
        box->setText(text);
    };

    text_box(txt_fname, "txt_fname", u"Text1", 360, 0);
    labelled(Label1, "Label1", u"First Name :", *txt_fname, 360);
    text_box(txt_lname, "txt_lname", u"Text2", 840, 1);
    labelled(Label2, "Label2", u"Last Name :", *txt_lname, 840);
    text_box(txt_adr, "txt_adr", u"Text3", 1320, 2);
    labelled(Label3, "Label3", u"Address :", *txt_adr, 1320);
    text_box(txt_cp, "txt_cp", u"Text4", 1800, 3);
    labelled(Label4, "Label4", u"Zip Code :", *txt_cp, 1800);
    text_box(txt_ville, "txt_ville", u"Text5", 2280, 4);
    labelled(Label5, "Label5", u"City :", *txt_ville, 2280);
    combo_box(cmb_phone, "cmb_phone", u"Combo1", 2760, 5);
    labelled(Label6, "Label6", u"Phone :", *cmb_phone, 2760);
    combo_box(cmb_fax, "cmb_fax", u"Combo4", 3240, 12);
    labelled(Label8, "Label8", u"Fax :", *cmb_fax, 3240);
    combo_box(cmb_mail, "cmb_mail", u"Combo2", 3720, 6);
    labelled(Label7, "Label7", u"E-Mail :", *cmb_mail, 3720);
    combo_box(cmb_site, "cmb_site", u"Combo1", 4200, 13);
    labelled(Label9, "Label9", u"Site :", *cmb_site, 4200);

    cmb_num = add<ui::ComboBox>(*Frame1, "cmb_num", {120, 4680, 3735, 315}, 11);
    cmb_num->setStyle(ui::ComboBox::Style::kDropDownList);
    ui::set_label(*Frame1, *cmb_num);
    chk_search = add<ui::CheckBox>(*Frame1, "chk_search", {2880, 5160, 855, 255}, 24);
    chk_search->setCaption(u"Search");
    chk_search->onClick([this] { chk_search_Click(); });

    Frame3 = add<ui::Frame>(*Frame1, "Frame3", {240, 5520, 3495, 1695}, 31);
    Frame3->setCaption(u"Search Option");
    txt_search = add<ui::TextBox>(*Frame3, "txt_search", {120, 240, 3255, 285}, 14);
    txt_search->setText(u"Text1");
    // No label stands beside it; the switch that enables it names it.
    ui::set_accessible_name(*txt_search, QStringLiteral("Search"));
    const auto option = [&](ui::OptionButton*& button, const char* name, const char16_t* caption,
                            int left, int top, int width, int tab_index) {
        button = add<ui::OptionButton>(*Frame3, name, {left, top, width, 255}, tab_index);
        button->setCaption(caption);
    };
    option(rdo_FRN, "rdo_FRN", u"First Name", 120, 600, 1095, 15);
    option(rdo_LSN, "rdo_LSN", u"Last Name", 120, 960, 1095, 16);
    option(rdo_ADR, "rdo_ADR", u"Adress", 120, 1320, 1095, 17);
    option(rdo_ZPC, "rdo_ZPC", u"Zip Code", 1320, 600, 975, 18);
    option(rdo_CTY, "rdo_CTY", u"City", 1320, 960, 975, 19);
    option(rdo_PHN, "rdo_PHN", u"Phone", 1320, 1320, 855, 20);
    option(rdo_EML, "rdo_EML", u"E-Mail", 2520, 600, 855, 21);
    option(rdo_FAX, "rdo_FAX", u"Fax", 2520, 960, 855, 22);
    option(rdo_SIT, "rdo_SIT", u"Site", 2520, 1320, 855, 23);
    rdo_FRN->setValue(true);
    for (QWidget* control : search_controls()) {
        control->setEnabled(false);
    }

    Frame2 = add<ui::Frame>(client, "Frame2", {120, 7680, 3975, 855}, 32);
    Frame2->setCaption(u"Configuration");
    cmd_save = add<ui::CommandButton>(*Frame2, "cmd_save", {120, 360, 735, 255}, 7);
    cmd_save->setCaption(u"Save");
    cmd_new = add<ui::CommandButton>(*Frame2, "cmd_new", {960, 360, 855, 255}, 8);
    cmd_new->setCaption(u"New");
    cmd_del = add<ui::CommandButton>(*Frame2, "cmd_del", {1920, 360, 855, 255}, 9);
    cmd_del->setCaption(u"Delete");
    chk_prv = add<ui::CheckBox>(*Frame2, "chk_prv", {3000, 360, 855, 255}, 10);
    chk_prv->setCaption(u"Private");
}

void CarnetForm::Form_Load() {
    Module1::show_window();
}

std::array<QWidget*, 10> CarnetForm::search_controls() const {
    return {txt_search, rdo_FRN, rdo_LSN, rdo_ADR, rdo_ZPC,
            rdo_CTY,    rdo_PHN, rdo_EML, rdo_FAX, rdo_SIT};
}

void CarnetForm::chk_search_Click() {
    const bool on = chk_search->Value() == 1;
    for (QWidget* control : search_controls()) {
        control->setEnabled(on);
    }
}

CarnetForm& carnet() {
    // Never destroyed: its window may outlive the application object at exit.
    static auto* instance = new CarnetForm;
    return *instance;
}
