// The address book driven as a user would: every opening starts from the same contents, the
// "Search" switch enables the ten search controls, and nothing else answers.
#include <gtest/gtest.h>

#include <QTest>

#include "addressbook/carnet.h"
#include "data/module1.h"
#include "focused_control.h"
#include "stand_in_forms.h"

namespace {

// What a user sees and can change in the window, in one comparable list: the boxes' texts
// (and the lists' lengths), the check boxes, the chosen option, the search controls enabled.
QStringList contents() {
    auto& w = carnet();
    QStringList shown{focused_control(w)};
    for (const ui::TextBox* box :
         {w.txt_fname, w.txt_lname, w.txt_adr, w.txt_cp, w.txt_ville, w.txt_search}) {
        shown << QString::fromStdU16String(box->Text());
    }
    for (const ui::ComboBox* box : {w.cmb_phone, w.cmb_fax, w.cmb_mail, w.cmb_site, w.cmb_num}) {
        shown << QString::fromStdU16String(box->Text()) + " " + QString::number(box->ListCount());
    }
    shown << QString::number(w.chk_prv->Value()) << QString::number(w.chk_search->Value());
    int enabled = 0;
    for (ui::OptionButton* option : {w.rdo_FRN, w.rdo_LSN, w.rdo_ADR, w.rdo_ZPC, w.rdo_CTY,
                                     w.rdo_PHN, w.rdo_EML, w.rdo_FAX, w.rdo_SIT}) {
        shown << (option->Value() ? option->objectName() : QString());
        enabled += option->isEnabled();
    }
    shown.removeAll(QString());
    return shown << QString::number(enabled + w.txt_search->isEnabled()) + " enabled";
}

class AddressBook : public ::testing::Test {
protected:
    AddressBook() {
        menu.Load();
        carnet().Load();
    }
    ~AddressBook() override { unload_all(); }

    static void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    StandInForm menu{u"Base", 2775, 255, nullptr};
};

TEST_F(AddressBook, EveryOpeningShowsTheSameContentsWhateverContactsAreLoaded) {
    QTest::keyClicks(carnet().txt_fname->editor(), "Ann");
    click(carnet().chk_search);
    click(carnet().rdo_CTY);
    click(carnet().chk_prv);
    carnet().Unload();
    Module1::contacts.redim_preserve(1);
    Module1::contacts[0] = Contact{1, u"Martin", u"Ann", u"1 rue Haute", u"75001", u"Paris"};
    Module1::nb_contacts = 1;
    carnet().Load();
    Module1::nb_contacts = 0;
    EXPECT_EQ(contents(), (QStringList{"txt_fname", "Text1", "Text2", "Text3", "Text4", "Text5",
                                       "Text1", "Combo1 0", "Combo4 0", "Combo2 0", "Combo1 0",
                                       " 0", "0", "0", "rdo_FRN", "0 enabled"}));
}

TEST_F(AddressBook, SearchSwitchesTheTenSearchControlsKeepingTextAndOptionAndNothingElseActs) {
    click(carnet().chk_search);
    EXPECT_EQ(contents().back(), "10 enabled");
    click(carnet().rdo_SIT);
    carnet().txt_search->setText(u"Paris");
    click(carnet().chk_search);
    EXPECT_EQ(contents().back(), "0 enabled");
    click(carnet().chk_search);
    const QStringList searching = contents().mid(1);  // all but the focus
    EXPECT_EQ(searching.mid(5, 1) + searching.mid(13),
              (QStringList{"Paris", "rdo_SIT", "10 enabled"}));
    for (auto* button : {carnet().cmd_save, carnet().cmd_new, carnet().cmd_del}) {
        click(button);
    }
    EXPECT_EQ(contents().mid(1), searching);
    EXPECT_EQ(ui::Forms::Count(), 2);
    EXPECT_TRUE(carnet().txt_fname->isEnabled() && carnet().Frame3->isEnabled());
}

}  // namespace
