#include "accounts/confirme_form.h"

#include "accounts/logguer_form.h"
#include "data/module1.h"
#include "shell/placement.h"

using W = ConfirmeForm;
using ui::kWindow;

// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Confirm", .width = 3975, .height = 495, .role = ui::Role::kDialog}, {
//   name        control       container caption / text         {Left, Top, Width, Height} tab
    {"Label1",   &W::Label1,   kWindow, u"Confirm Password :", { 120, 120, 1455, 255},  0},
    {"Text1",    &W::Text1,    kWindow, u"",                   {1560, 120, 1695, 285},  1,
        {.named_by = &W::Label1, .password_char = u'*'}},
    {"Command1", &W::Command1, kWindow, u"Ok",                 {3360, 120,  495, 255},  2,
        {.click = &W::Command1_Click}},
});
// clang-format on

ConfirmeForm::ConfirmeForm() : ui::Form(kTable) {}

void ConfirmeForm::Form_Load() {
    Module1::show_dialog();
}

void ConfirmeForm::Command1_Click() {
    Module1::confirme_ok = false;
    // The password box holds the password as typed: blanks and case count.
    if (Text1->Text() == logguer().txt_pwd->Text()) {
        Module1::confirme_ok = true;
    }
    Module1::close_dialogs();
}

ConfirmeForm& Confirme() {
    return ui::single_instance<ConfirmeForm>();
}
