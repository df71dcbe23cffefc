#include "addressbook/carnet.h"

#include "shell/placement.h"

using W = CarnetForm;
using ui::kWindow;
using enum ui::ComboBox::Style;

// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Address Book", .width = 4215, .height = 8655}, {
//   name          control         container   caption / text    {Left, Top, Width, Height} tab
    {"Frame1",     &W::Frame1,     kWindow,    u"Informations",  { 120,  120, 3975, 7455}, 30},
    {"Label1",     &W::Label1,     &W::Frame1, u"First Name :",  { 120,  360,  855,  255}, 40},
    {"txt_fname",  &W::txt_fname,  &W::Frame1, u"Text1",         {1080,  360, 2775,  285},  0,
        {.named_by = &W::Label1}},
    {"Label2",     &W::Label2,     &W::Frame1, u"Last Name :",   { 120,  840,  855,  255}, 41},
    {"txt_lname",  &W::txt_lname,  &W::Frame1, u"Text2",         {1080,  840, 2775,  285},  1,
        {.named_by = &W::Label2}},
    {"Label3",     &W::Label3,     &W::Frame1, u"Address :",     { 120, 1320,  855,  255}, 42},
    {"txt_adr",    &W::txt_adr,    &W::Frame1, u"Text3",         {1080, 1320, 2775,  285},  2,
        {.named_by = &W::Label3}},
    {"Label4",     &W::Label4,     &W::Frame1, u"Zip Code :",    { 120, 1800,  855,  255}, 43},
    {"txt_cp",     &W::txt_cp,     &W::Frame1, u"Text4",         {1080, 1800, 2775,  285},  3,
        {.named_by = &W::Label4}},
    {"Label5",     &W::Label5,     &W::Frame1, u"City :",        { 120, 2280,  855,  255}, 44},
    {"txt_ville",  &W::txt_ville,  &W::Frame1, u"Text5",         {1080, 2280, 2775,  285},  4,
        {.named_by = &W::Label5}},
    {"Label6",     &W::Label6,     &W::Frame1, u"Phone :",       { 120, 2760,  855,  255}, 45},
    {"cmb_phone",  &W::cmb_phone,  &W::Frame1, u"Combo1",        {1080, 2760, 2775,  315},  5,
        {.named_by = &W::Label6}},
    {"Label8",     &W::Label8,     &W::Frame1, u"Fax :",         { 120, 3240,  855,  255}, 46},
    {"cmb_fax",    &W::cmb_fax,    &W::Frame1, u"Combo4",        {1080, 3240, 2775,  315}, 12,
        {.named_by = &W::Label8}},
    {"Label7",     &W::Label7,     &W::Frame1, u"E-Mail :",      { 120, 3720,  855,  255}, 47},
    {"cmb_mail",   &W::cmb_mail,   &W::Frame1, u"Combo2",        {1080, 3720, 2775,  315},  6,
        {.named_by = &W::Label7}},
    {"Label9",     &W::Label9,     &W::Frame1, u"Site :",        { 120, 4200,  855,  255}, 48},
    {"cmb_site",   &W::cmb_site,   &W::Frame1, u"Combo1",        {1080, 4200, 2775,  315}, 13,
        {.named_by = &W::Label9}},
    {"cmb_num",    &W::cmb_num,    &W::Frame1, u"",              { 120, 4680, 3735,  315}, 11,
        {.named_by = &W::Frame1, .style = kDropDownList}},
    {"chk_search", &W::chk_search, &W::Frame1, u"Search",        {2880, 5160,  855,  255}, 24,
        {.click = &W::chk_search_Click}},
    {"Frame3",     &W::Frame3,     &W::Frame1, u"Search Option", { 240, 5520, 3495, 1695}, 31},
    {"txt_search", &W::txt_search, &W::Frame3, u"Text1",         { 120,  240, 3255,  285}, 14,
        {.named_by = &W::chk_search, .enabled = false}},
    {"rdo_FRN",    &W::rdo_FRN,    &W::Frame3, u"First Name",    { 120,  600, 1095,  255}, 15,
        {.selected = true, .enabled = false}},
    {"rdo_LSN",    &W::rdo_LSN,    &W::Frame3, u"Last Name",     { 120,  960, 1095,  255}, 16, {.enabled = false}},
    {"rdo_ADR",    &W::rdo_ADR,    &W::Frame3, u"Adress",        { 120, 1320, 1095,  255}, 17, {.enabled = false}},
    {"rdo_ZPC",    &W::rdo_ZPC,    &W::Frame3, u"Zip Code",      {1320,  600,  975,  255}, 18, {.enabled = false}},
    {"rdo_CTY",    &W::rdo_CTY,    &W::Frame3, u"City",          {1320,  960,  975,  255}, 19, {.enabled = false}},
    {"rdo_PHN",    &W::rdo_PHN,    &W::Frame3, u"Phone",         {1320, 1320,  855,  255}, 20, {.enabled = false}},
    {"rdo_EML",    &W::rdo_EML,    &W::Frame3, u"E-Mail",        {2520,  600,  855,  255}, 21, {.enabled = false}},
    {"rdo_FAX",    &W::rdo_FAX,    &W::Frame3, u"Fax",           {2520,  960,  855,  255}, 22, {.enabled = false}},
    {"rdo_SIT",    &W::rdo_SIT,    &W::Frame3, u"Site",          {2520, 1320,  855,  255}, 23, {.enabled = false}},
    {"Frame2",     &W::Frame2,     kWindow,    u"Configuration", { 120, 7680, 3975,  855}, 32},
    {"cmd_save",   &W::cmd_save,   &W::Frame2, u"Save",          { 120,  360,  735,  255},  7},
    {"cmd_new",    &W::cmd_new,    &W::Frame2, u"New",           { 960,  360,  855,  255},  8},
    {"cmd_del",    &W::cmd_del,    &W::Frame2, u"Delete",        {1920,  360,  855,  255},  9},
    {"chk_prv",    &W::chk_prv,    &W::Frame2, u"Private",       {3000,  360,  855,  255}, 10},
});
// clang-format on

CarnetForm::CarnetForm() : ui::Form(kTable) {}

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
    return ui::single_instance<CarnetForm>();
}
