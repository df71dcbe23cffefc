#include "config/configcompte_form.h"

#include <string_view>
#include <vector>

#include "data/module1.h"
#include "ftp/addftp_form.h"
#include "shell/placement.h"

using W = ConfigCompteForm;
using ui::kWindow;
using enum ui::ListBox::MultiSelect;

// Tab indices follow the keyboard order, the account list first; the frames and labels, which
// take no focus, come after.
// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Configuration", .width = 11055, .height = 5910, .role = ui::Role::kDialog}, {
//   name        control       container   caption / text      {Left, Top, Width, Height} tab
    {"Frame1",   &W::Frame1,   kWindow,    u"Access Right",    { 120,  120, 2175, 5655}, 14},
    {"lst_cmpt", &W::lst_cmpt, &W::Frame1, u"lst_cmpt",        { 120,  240, 1935, 3765},  0,
        {.named_by = &W::Frame1, .sorted = true, .click = &W::lst_cmpt_Click}},
    {"Frame2",   &W::Frame2,   &W::Frame1, u"FTP",             { 120, 4200, 1935,  615}, 16},
    {"Check1",   &W::Check1,   &W::Frame2, u"Public",          { 120,  240,  735,  255},  1},
    {"Check2",   &W::Check2,   &W::Frame2, u"Private",         { 960,  240,  855,  255},  2},
    {"Frame3",   &W::Frame3,   &W::Frame1, u"Adress Book",     { 120, 4920, 1935,  615}, 18},
    {"Check3",   &W::Check3,   &W::Frame3, u"Public",          { 120,  240,  735,  255},  3},
    {"Check4",   &W::Check4,   &W::Frame3, u"Private",         { 960,  240,  855,  255},  4},
    {"Frame4",   &W::Frame4,   kWindow,    u"FTP",             {2400,  120, 4215, 5655}, 18},
    {"Label1",   &W::Label1,   &W::Frame4, u"Public :",        { 240,  240,  615,  255}, 25},
    {"List2",    &W::List2,    &W::Frame4, u"",                { 120,  480, 1935, 4545},  5,
        {.named_by = &W::Label1, .multi_select = kExtended}},
    {"Label2",   &W::Label2,   &W::Frame4, u"Private :",       {2280,  240,  615,  255}, 26},
    {"List3",    &W::List3,    &W::Frame4, u"",                {2160,  480, 1935, 4545},  6,
        {.named_by = &W::Label2, .multi_select = kExtended}},
    {"Command1", &W::Command1, &W::Frame4, u"Add / Configure", { 120, 5280, 1575,  255},  7,
        {.click = &W::Command1_Click}},
    {"Command2", &W::Command2, &W::Frame4, u"Delete",          {1920, 5280, 1095,  255},  8},
    {"Frame5",   &W::Frame5,   kWindow,    u"Adress Book",     {6720,  120, 4215, 5655}, 19},
    {"Label3",   &W::Label3,   &W::Frame5, u"Public :",        { 240,  240,  615,  255}, 29},
    {"List4",    &W::List4,    &W::Frame5, u"",                { 120,  480, 1935, 4545},  9,
        {.named_by = &W::Label3, .multi_select = kExtended}},
    {"Label4",   &W::Label4,   &W::Frame5, u"Private :",       {2280,  240,  615,  255}, 30},
    {"List5",    &W::List5,    &W::Frame5, u"",                {2160,  480, 1935, 4545}, 10,
        {.named_by = &W::Label4, .multi_select = kExtended}},
    {"Command4", &W::Command4, &W::Frame5, u"Configure",       { 120, 5280, 1335,  255}, 11},
    {"Command5", &W::Command5, &W::Frame5, u"Delete",          {1560, 5280, 1215,  255}, 12},
    {"Command6", &W::Command6, &W::Frame5, u"New",             {3000, 5280, 1095,  255}, 13},
});
// clang-format on

ConfigCompteForm::ConfigCompteForm() : ui::Form(kTable) {}

void ConfigCompteForm::Form_Load() {
    using namespace Module1;
    charger_comptes();
    // Whole 50-character logins, unseen blanks included, each at its sorted place.
    std::vector<std::u16string_view> logins;
    logins.reserve(static_cast<std::size_t>(nb_comptes.value()));
    for (vb::Integer i = 0; i < nb_comptes; ++i) {
        logins.push_back(comptes[i].loggin.view());
    }
    lst_cmpt->AddItems(logins);
    show_dialog();
}

void ConfigCompteForm::lst_cmpt_Click() {
    // Choosing an account shows nothing: no right is stored.
}

void ConfigCompteForm::Command1_Click() {
    addftp().Load();
}

ConfigCompteForm& configcompte() {
    return ui::single_instance<ConfigCompteForm>();
}
