#include "accounts/changepwd_form.h"

#include "accounts/logguer_form.h"
#include "data/database.h"
#include "data/module1.h"
#include "data/records.h"
#include "data/statements.h"
#include "shell/placement.h"

using W = ChangePwdForm;
using ui::kWindow;

// The three boxes show what is typed.
// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Change Password", .width = 3615, .height = 1215, .role = ui::Role::kDialog}, {
//   name          control         container caption / text {Left, Top, Width, Height} tab
    {"Label1",     &W::Label1,     kWindow, u"Old :",     { 120, 120,  615, 255},  0},
    {"Label2",     &W::Label2,     kWindow, u"New :",     { 120, 480,  615, 255},  1},
    {"Label3",     &W::Label3,     kWindow, u"Confirm :", { 120, 840,  615, 255},  2},
    {"txt_old",    &W::txt_old,    kWindow, u"",          { 840, 120, 1815, 285},  3, {.named_by = &W::Label1}},
    {"txt_new",    &W::txt_new,    kWindow, u"",          { 840, 480, 1815, 285},  4, {.named_by = &W::Label2}},
    {"txt_conf",   &W::txt_conf,   kWindow, u"",          { 840, 840, 1815, 285},  5, {.named_by = &W::Label3}},
    {"btn_ok",     &W::btn_ok,     kWindow, u"OK",        {2760, 120,  735, 255},  6, {.click = &W::btn_ok_Click}},
    {"btn_cancel", &W::btn_cancel, kWindow, u"Cancel",    {2760, 480,  735, 255},  7, {.click = &W::btn_cancel_Click}},
});
// clang-format on

ChangePwdForm::ChangePwdForm() : ui::Form(kTable) {}

void ChangePwdForm::Form_Load() {
    Module1::show_dialog2();
}

void ChangePwdForm::btn_ok_Click() {
    logguer().lbl_AA->setCaption(password_change());
    Module1::close_dialog();
}

vb::String ChangePwdForm::password_change() {
    using namespace Module1;
    const vb::String old_text = txt_old->Text();
    const vb::String new_text = txt_new->Text();
    const vb::String confirmation = txt_conf->Text();
    // Compared as typed, and in this order: three empty boxes leave the password unchanged.
    if (old_text == new_text) {
        return u"Unchanged Password";
    }
    if (new_text.empty()) {
        return u"No new Password";
    }
    if (new_text != confirmation) {
        return u"Wrong Confimation";
    }

    vb::String message = u"Unknow Account";
    const decltype(Compte::pwd) old_password = old_text;
    // The list holds filled logins; beyond its last item it yields the empty text, which
    // names no account.
    const vb::String account = logguer().List->List(idx_cmpt.value());
    for (vb::Integer i = 0; i < nb_connectes; ++i) {
        if (connectes[i].loggin.view() != account) {
            continue;
        }
        if (connectes[i].pwd != old_password) {
            message = u"Wrong Password";
            continue;
        }
        data::run_write(statements::new_password(confirmation, account),
                        data::AfterWrite::kRelease);
        return u"Password Changed";
    }
    return message;
}

void ChangePwdForm::btn_cancel_Click() {
    Module1::close_dialog();
}

ChangePwdForm& changepwd() {
    return ui::single_instance<ChangePwdForm>();
}
