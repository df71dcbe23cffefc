#include "ftp/addftp_form.h"

#include "shell/placement.h"

using W = AddFtpForm;
using ui::kWindow;

// The password box shows its text in clear.
// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Add New FTP", .width = 3255, .height = 2895, .role = ui::Role::kDialog}, {
//   name          control         container caption / text {Left, Top, Width, Height} tab
    {"Label1",     &W::Label1,     kWindow, u"Login :",    { 120,  120,  855, 255}, 10},
    {"Text1",      &W::Text1,      kWindow, u"Text1",      { 960,  120, 2175, 285},  1, {.named_by = &W::Label1}},
    {"Label2",     &W::Label2,     kWindow, u"Password :", { 120,  600,  855, 255}, 11},
    {"Text2",      &W::Text2,      kWindow, u"Text2",      { 960,  600, 2175, 285},  2, {.named_by = &W::Label2}},
    {"Label3",     &W::Label3,     kWindow, u"Adress :",   { 120, 1080,  855, 255}, 12},
    {"Text3",      &W::Text3,      kWindow, u"Text3",      { 960, 1080, 2175, 285},  3, {.named_by = &W::Label3}},
    {"Label4",     &W::Label4,     kWindow, u"Port :",     { 120, 1560,  855, 255}, 13},
    {"Text4",      &W::Text4,      kWindow, u"Text4",      { 960, 1560, 2175, 285},  4, {.named_by = &W::Label4}},
    {"Label5",     &W::Label5,     kWindow, u"Name :",     { 120, 2040,  855, 255}, 14},
    {"Text5",      &W::Text5,      kWindow, u"Text5",      { 960, 2040, 2175, 285},  5, {.named_by = &W::Label5}},
    {"Check1",     &W::Check1,     kWindow, u"Private",    { 120, 2520,  855, 255},  0},
    {"btn_rplc",   &W::btn_rplc,   kWindow, u"Replace",    { 960, 2520,  735, 255},  6},
    {"Command1",   &W::Command1,   kWindow, u"Add",        {1800, 2520,  495, 255},  8},
    {"btn_cancel", &W::btn_cancel, kWindow, u"Cancel",     {2400, 2520,  735, 255},  7},
});
// clang-format on

AddFtpForm::AddFtpForm() : ui::Form(kTable) {}

void AddFtpForm::Form_Load() {
    Module1::show_dialog2();
}

AddFtpForm& addftp() {
    return ui::single_instance<AddFtpForm>();
}
