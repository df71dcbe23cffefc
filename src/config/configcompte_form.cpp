#include "config/configcompte_form.h"

#include <string_view>
#include <vector>

#include "data/module1.h"
#include "ftp/addftp_form.h"
#include "shell/placement.h"

ConfigCompteForm::ConfigCompteForm() : ui::Form(u"Configuration", 11055, 5910) {}

void ConfigCompteForm::create_controls(QWidget& client) {
    // Tab indices follow the keyboard order, the account list first; the frames and
    // labels, which take no focus, come after.
    Frame1 = add<ui::Frame>(client, "Frame1", {120, 120, 2175, 5655}, 14);
    Frame1->setCaption(u"Access Right");
    lst_cmpt = add<ui::ListBox>(*Frame1, "lst_cmpt", {120, 240, 1935, 3765}, 0);
    lst_cmpt->setSorted(true);
    ui::set_label(*Frame1, *lst_cmpt);
    lst_cmpt->AddItem(u"lst_cmpt");
    lst_cmpt->onClick([this] { lst_cmpt_Click(); });

    const auto switches = [&](ui::Frame*& frame, const char* frame_name, const char16_t* caption,
                              int top, ui::CheckBox*& public_box, const char* public_name,
                              ui::CheckBox*& private_box, const char* private_name, int tab_index) {
        frame = add<ui::Frame>(*Frame1, frame_name, {120, top, 1935, 615}, 15 + tab_index);
        frame->setCaption(caption);
        public_box = add<ui::CheckBox>(*frame, public_name, {120, 240, 735, 255}, tab_index);
        public_box->setCaption(u"Public");
        private_box = add<ui::CheckBox>(*frame, private_name, {960, 240, 855, 255}, tab_index + 1);
        private_box->setCaption(u"Private");
    };
    switches(Frame2, "Frame2", u"FTP", 4200, Check1, "Check1", Check2, "Check2", 1);
    switches(Frame3, "Frame3", u"Adress Book", 4920, Check3, "Check3", Check4, "Check4", 3);

    const auto entries = [&](ui::Frame& frame, ui::Label*& label, const char* label_name,
                             const char16_t* caption, int label_left, ui::ListBox*& list,
                             const char* list_name, int list_left, int tab_index) {
        label = add<ui::Label>(frame, label_name, {label_left, 240, 615, 255}, 20 + tab_index);
        label->setCaption(caption);
        list = add<ui::ListBox>(frame, list_name, {list_left, 480, 1935, 4545}, tab_index);
        list->setMultiSelect(ui::ListBox::MultiSelect::kExtended);
        ui::set_label(*label, *list);
    };
    const auto button = [&](ui::Frame& frame, ui::CommandButton*& control, const char* name,
                            const char16_t* caption, int left, int width, int tab_index) {
        control = add<ui::CommandButton>(frame, name, {left, 5280, width, 255}, tab_index);
        control->setCaption(caption);
    };

    Frame4 = add<ui::Frame>(client, "Frame4", {2400, 120, 4215, 5655}, 18);
    Frame4->setCaption(u"FTP");
    entries(*Frame4, Label1, "Label1", u"Public :", 240, List2, "List2", 120, 5);
    entries(*Frame4, Label2, "Label2", u"Private :", 2280, List3, "List3", 2160, 6);
    button(*Frame4, Command1, "Command1", u"Add / Configure", 120, 1575, 7);
    Command1->onClick([this] { Command1_Click(); });
    button(*Frame4, Command2, "Command2", u"Delete", 1920, 1095, 8);

    Frame5 = add<ui::Frame>(client, "Frame5", {6720, 120, 4215, 5655}, 19);
    Frame5->setCaption(u"Adress Book");
    entries(*Frame5, Label3, "Label3", u"Public :", 240, List4, "List4", 120, 9);
    entries(*Frame5, Label4, "Label4", u"Private :", 2280, List5, "List5", 2160, 10);
    button(*Frame5, Command4, "Command4", u"Configure", 120, 1335, 11);
    button(*Frame5, Command5, "Command5", u"Delete", 1560, 1215, 12);
    button(*Frame5, Command6, "Command6", u"New", 3000, 1095, 13);
}

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
    // Never destroyed: its window may outlive the application object at exit.
    static auto* instance = new ConfigCompteForm;
    return *instance;
}
