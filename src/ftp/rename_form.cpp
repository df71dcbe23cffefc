#include "ftp/rename_form.h"

#include "shell/placement.h"

using W = RenameForm;
using ui::kWindow;

// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Rename", .width = 3270, .height = 495, .role = ui::Role::kDialog}, {
//   name        control       container caption / text {Left, Top, Width, Height} tab
    {"Label1",   &W::Label1,   kWindow, u"New Name :", { 120, 120,  975, 255},  2},
    {"Text1",    &W::Text1,    kWindow, u"Text1",      {1080, 120, 1455, 285},  0, {.named_by = &W::Label1}},
    {"Command1", &W::Command1, kWindow, u"Ok",         {2640, 120,  495, 255},  1},
});
// clang-format on

RenameForm::RenameForm() : ui::Form(kTable) {}

void RenameForm::Form_Load() {
    Module1::show_dialog();
}

RenameForm& rename() {
    return ui::single_instance<RenameForm>();
}
