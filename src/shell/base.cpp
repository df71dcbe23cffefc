#include "shell/base.h"

#include "data/module1.h"
#include "platform/ui/application.h"
#include "shell/placement.h"

using W = BaseForm;
using ui::kWindow;

// The buttons overlap their left neighbours by 15 twips and fill the strip exactly; "Exit"
// comes first in the Tab order, so that it holds the focus when the menu shows.
// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Base", .width = 2775, .height = 255, .start = ui::Position{4980, 990}}, {
//   name           control          container caption / text  {Left, Top, Width, Height} tab
    {"btn_logger",  &W::btn_logger,  kWindow, u"Login",       {   0, 0,  615, 255},  1,
        {.click = &W::btn_logger_Click}},
    {"btn_carnet",  &W::btn_carnet,  kWindow, u"Adress Book", { 600, 0, 1095, 255},  2,
        {.click = &W::btn_carnet_Click}},
    {"btn_ftp",     &W::btn_ftp,     kWindow, u"FTP",         {1680, 0,  495, 255},  3, {.click = &W::btn_ftp_Click}},
    {"btn_quitter", &W::btn_quitter, kWindow, u"Exit",        {2160, 0,  615, 255},  0,
        {.click = &W::btn_quitter_Click}},
});
// clang-format on

BaseForm::BaseForm() : ui::Form(kTable) {}

void BaseForm::set_windows(ui::Form* login, ui::Form* address_book, ui::Form* ftp) {
    logguer_ = login;
    carnet_ = address_book;
    ftp_ = ftp;
}

void BaseForm::Form_Load() {
    using namespace Module1;
    nb_connectes = 1;
    connectes.redim_preserve(1);
    connectes[0] = Compte{u" Public", u" "};
    charger_acces();
}

// The caption is read before anything closes: the button only closes its own window when
// that window was on top.
void BaseForm::open_window(const vb::String& compared_caption, ui::Form* window) {
    const vb::String top_caption = ui::Forms::Item(ui::Forms::Count() - 1).Caption();
    Module1::close_windows();
    if (top_caption != compared_caption && window != nullptr) {
        window->Load();
    }
}

void BaseForm::btn_logger_Click() {
    open_window(u"Login", logguer_);
}

// The window's caption, not the button's: "Address Book".
void BaseForm::btn_carnet_Click() {
    open_window(u"Address Book", carnet_);
}

void BaseForm::btn_ftp_Click() {
    open_window(u"FTP", ftp_);
}

void BaseForm::btn_quitter_Click() {
    Unload();
    ui::End();
}

void BaseForm::close_requested() {
    btn_quitter_Click();
}

BaseForm& base() {
    return ui::single_instance<BaseForm>();
}
