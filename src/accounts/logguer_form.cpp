#include "accounts/logguer_form.h"

#include <string_view>
#include <vector>

#include "accounts/changepwd_form.h"
#include "accounts/confirme_form.h"
#include "config/configcompte_form.h"
#include "data/database.h"
#include "data/module1.h"
#include "data/records.h"
#include "data/statements.h"
#include "data/table_storage.h"
#include "platform/vb/fixed_text.h"
#include "shell/placement.h"

constexpr std::size_t kLoginWidth = decltype(Compte::loggin)::width;
constexpr std::size_t kPasswordWidth = decltype(Compte::pwd)::width;

using W = LogguerForm;
using ui::kWindow;
using enum ui::ListBox::MultiSelect;

// The two message lines stand out from the rest of the window.
constexpr ui::Font kMessageFont{"Comic Sans MS", true, 9.75};

// clang-format off
constexpr auto kTable = ui::form_table<W>(
    {.caption = u"Login", .width = 2775, .height = 7695}, {
//   name             control            container    caption / text      {Left, Top, Width, Height} tab
    {"Frame1",        &W::Frame1,        kWindow,     u"Active Account",  { 120,  120, 2535, 5655},  0},
    {"List",          &W::List,          &W::Frame1,  u"",                { 120,  240, 2295, 3765},  1,
        {.named_by = &W::Frame1, .sorted = true, .multi_select = kExtended}},
    {"lbl_AA",        &W::lbl_AA,        &W::Frame1,  u"Ready !!!",       { 120, 4080, 2295,  375}, 14,
        {.font = &kMessageFont, .spoken = true}},
    {"btn_unlog",     &W::btn_unlog,     &W::Frame1,  u"Unlog",           { 120, 4560, 1095,  255},  2,
        {.click = &W::btn_unlog_Click}},
    {"btn_supprimer", &W::btn_supprimer, &W::Frame1,  u"Delete",          {1320, 4560, 1095,  255},  9,
        {.click = &W::btn_supprimer_Click}},
    {"btn_chgpwd",    &W::btn_chgpwd,    &W::Frame1,  u"Change Password", { 120, 4920, 2295,  255}, 12,
        {.click = &W::btn_chgpwd_Click}},
    {"btn_cfg",       &W::btn_cfg,       &W::Frame1,  u"Configuration",   { 120, 5280, 2295,  255}, 13,
        {.click = &W::btn_cfg_Click}},
    {"frm_LOA",       &W::frm_LOA,       kWindow,     u"Log On Account",  { 120, 5880, 2535, 1695},  3},
    {"Label1",        &W::Label1,        &W::frm_LOA, u"Login :",         { 120,  240,  495,  255},  4},
    {"txt_psd",       &W::txt_psd,       &W::frm_LOA, u"",                { 960,  240, 1455,  285},  6,
        {.named_by = &W::Label1}},
    {"Label2",        &W::Label2,        &W::frm_LOA, u"Password :",      { 120,  600,  855,  255},  5},
    {"txt_pwd",       &W::txt_pwd,       &W::frm_LOA, u"",                { 960,  600, 1455,  285},  7,
        {.named_by = &W::Label2, .password_char = u'*'}},
    {"btn_logguer",   &W::btn_logguer,   &W::frm_LOA, u"Log",             { 120,  960, 1095,  255},  8,
        {.click = &W::btn_logguer_Click}},
    {"btn_NU",        &W::btn_NU,        &W::frm_LOA, u"New User",        {1320,  960, 1095,  255}, 10,
        {.click = &W::btn_NU_Click}},
    {"lbl_LOA",       &W::lbl_LOA,       &W::frm_LOA, u"Ready !!!",       { 120, 1320, 2295,  375}, 11,
        {.font = &kMessageFont, .spoken = true}},
});
// clang-format on

LogguerForm::LogguerForm() : ui::Form(kTable) {}

void LogguerForm::Form_Load() {
    remplir_liste();
    Module1::show_window();
}

// Whatever the outcome, both boxes are emptied.
void LogguerForm::show_outcome(const vb::String& message) {
    lbl_LOA->setCaption(message);
    txt_psd->setText(u"");
    txt_pwd->setText(u"");
}

void LogguerForm::btn_logguer_Click() {
    show_outcome(log_on());
}

vb::String LogguerForm::log_on() {
    using namespace Module1;
    // The boxes show the filled forms, and every comparison uses them.
    txt_psd->setText(vb::fit(txt_psd->Text(), kLoginWidth));
    txt_pwd->setText(vb::fit(txt_pwd->Text(), kPasswordWidth));
    const Compte typed{txt_psd->Text(), txt_pwd->Text()};

    // Checked before the password is looked at: the public entry is refused here too.
    for (vb::Integer i = 0; i < nb_connectes; ++i) {
        if (connectes[i].loggin == typed.loggin) {
            return u"Already Loggued !!";
        }
    }
    charger_comptes();
    for (vb::Integer i = 0; i < nb_comptes; ++i) {
        if (comptes[i].pwd == typed.pwd && comptes[i].loggin == typed.loggin) {
            data::append(connectes, nb_connectes, typed);
            charger_acces();
            remplir_liste();
            return u"Loggued As " + typed.loggin.text();
        }
    }
    return u"Wrong Informations";
}

void LogguerForm::remplir_liste() {
    using namespace Module1;
    List->Clear();
    std::vector<std::u16string_view> items;
    items.reserve(static_cast<std::size_t>(nb_connectes.value() + nb_acces.value()));
    for (vb::Integer i = 0; i < nb_connectes; ++i) {
        items.push_back(connectes[i].loggin.view());
    }
    for (vb::Integer i = 0; i < nb_acces; ++i) {
        items.push_back(acces[i].psd.view());
    }
    // One batch, each item at its sorted place, as adding them one by one would put them.
    List->AddItems(items);
}

void LogguerForm::btn_unlog_Click() {
    using namespace Module1;
    vb::Integer n = List->SelCount();
    if (n == 0) {
        return;
    }
    // Both passes see the items as they stood before the log off: the list is refilled last.
    std::vector<vb::String> selected;
    for (int item = 0; item < List->ListCount(); ++item) {
        if (List->Selected(item)) {
            selected.push_back(List->List(item));
        }
    }
    for (const vb::String& text : selected) {
        if (data::remove_first(connectes, nb_connectes,
                               [&](const Compte& c) { return c.loggin.view() == text; })) {
            n -= 1;
        }
    }
    charger_acces();
    // Some selected item was no logged-on account: take it out of the access entries, until
    // the next reload brings it back. Every selected item is looked for again here.
    if (n > 0) {
        for (const vb::String& text : selected) {
            data::remove_first(acces, nb_acces,
                               [&](const Acces& a) { return a.psd.view() == text; });
        }
    }
    remplir_liste();
}

void LogguerForm::choose_entry() {
    auto& window = changepwd();
    for (int i = 0; i < List->ListCount(); ++i) {
        if (List->Selected(i)) {
            window.idx_cmpt = i;
        }
    }
    // Beyond the last item the list yields the empty text.
    lbl_AA->setCaption(List->List(window.idx_cmpt.value()));
}

void LogguerForm::btn_chgpwd_Click() {
    if (List->ListCount() == 0) {
        return;
    }
    choose_entry();
    auto& window = changepwd();
    window.Load();
    window.setVisible(false);
    window.ShowModal();
}

void LogguerForm::enable_log_on(bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{List, btn_chgpwd, btn_supprimer, btn_unlog, frm_LOA}) {
        control->setEnabled(enabled);
    }
}

void LogguerForm::btn_cfg_Click() {
    if (ui::Forms::Count() == 2) {
        if (List->ListCount() == 0) {
            return;
        }
        choose_entry();
        enable_log_on(false);
        lbl_LOA->setCaption(u"Disable");
        configcompte().Load();
    } else {
        // With the FTP-site editor open over the configuration window, both go.
        Module1::close_dialogs();
        enable_log_on(true);
        lbl_LOA->setCaption(u"Ready !!!");
    }
}

void LogguerForm::btn_NU_Click() {
    show_outcome(new_user());
}

vb::String LogguerForm::new_user() {
    using namespace Module1;
    const vb::String login = txt_psd->Text();
    const vb::String password = txt_pwd->Text();
    if (password.size() > kPasswordWidth || login.size() > kLoginWidth) {
        return u"Too Many Character";
    }
    // Only the empty text is empty: a login of blanks passes.
    if (password.empty() || login.empty()) {
        return u"No Login Or Password";
    }
    txt_psd->setText(vb::fit(login, kLoginWidth));
    charger_comptes();
    const vb::FixedText<kLoginWidth> filled_login = txt_psd->Text();
    for (vb::Integer i = 0; i < nb_comptes; ++i) {
        if (comptes[i].loggin == filled_login) {
            return u"Login Already Used";
        }
    }

    auto& dialog = Confirme();
    dialog.Load();
    dialog.setVisible(false);
    dialog.ShowModal();
    // Whatever the flag holds: the dialog closes only by its "Ok", which sets it.
    if (!confirme_ok) {
        return u"Wrong Confirmation";
    }
    ajouter_compte();
    data::append(comptes, nb_comptes, Compte{txt_psd->Text(), txt_pwd->Text()});
    return u"New User Added";
}

void LogguerForm::ajouter_compte() {
    // The login box holds the filled login by now; the password goes as typed.
    data::run_write(statements::new_account(txt_psd->Text(), txt_pwd->Text()),
                    data::AfterWrite::kClose);
}

void LogguerForm::supprimer_compte(const vb::Integer& index) {
    data::run_write(statements::delete_account(Module1::connectes[index].loggin),
                    data::AfterWrite::kRelease);
}

void LogguerForm::btn_supprimer_Click() {
    using namespace Module1;
    vb::Integer n = List->SelCount();
    if (n == 0) {
        return;
    }
    confirme_ok = false;
    const vb::FixedText<kLoginWidth> public_entry = u" Public";
    // The walk sees the items as they stood before: the list is refilled only afterwards.
    for (int item = 0; item < List->ListCount() && n > 0; ++item) {
        if (!List->Selected(item)) {
            continue;
        }
        const vb::String text = List->List(item);
        if (text == public_entry.view()) {
            continue;
        }
        for (vb::Integer j = 0; j < nb_connectes; ++j) {
            if (connectes[j].loggin.view() == text) {
                supprimer_compte(j);
                data::remove_at(connectes, nb_connectes, j);
                n -= 1;
                break;
            }
        }
    }
    charger_acces();
    remplir_liste();
    lbl_AA->setCaption(u"Account Deleted");
}

LogguerForm& logguer() {
    return ui::single_instance<LogguerForm>();
}
