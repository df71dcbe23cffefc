#include <gtest/gtest.h>

#include <QTest>

#include "addressbook/carnet.h"
#include "data/module1.h"
#include "focused_control.h"
#include "stand_in_forms.h"
#include "ui/screen.h"

namespace {

// The menu stand-in below the address book, so that the placement has the real stack of
// windows to work on; everything is unloaded and the contact table emptied afterwards.
class AddressBook : public ::testing::Test {
protected:
    AddressBook() {
        menu.Load();
        menu.setVisible(true);
        carnet().Load();
    }
    ~AddressBook() override {
        for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
            ui::Forms::Item(k).Unload();
        }
        Module1::nb_contacts = 0;
    }

    static void put_a_contact_in() {
        Module1::contacts.redim_preserve(1);
        Module1::contacts[0] = Contact{1, u"Martin", u"Ann", u"1 rue Haute", u"75001", u"Paris"};
        Module1::nb_contacts = 1;
    }

    static std::vector<QWidget*> search_controls() {
        auto& w = carnet();
        return {w.txt_search, w.rdo_FRN, w.rdo_LSN, w.rdo_ADR, w.rdo_ZPC,
                w.rdo_CTY,    w.rdo_PHN, w.rdo_EML, w.rdo_FAX, w.rdo_SIT};
    }
    static int enabled_search_controls() {
        const auto controls = search_controls();
        return int(std::count_if(controls.begin(), controls.end(),
                                 [](QWidget* c) { return c->isEnabled(); }));
    }
    static void click_search() { QTest::mouseClick(carnet().chk_search, Qt::LeftButton); }
    static void type_into(ui::TextBox& box, const QString& text) {
        QTest::keyClicks(box.editor(), text);
    }

    // Everything the user can see or change in the window, as one comparable list.
    static QStringList contents() {
        auto& w = carnet();
        QStringList shown;
        for (const ui::TextBox* box :
             {w.txt_fname, w.txt_lname, w.txt_adr, w.txt_cp, w.txt_ville, w.txt_search}) {
            shown << QString::fromStdU16String(box->Text());
        }
        for (const ui::ComboBox* box :
             {w.cmb_phone, w.cmb_fax, w.cmb_mail, w.cmb_site, w.cmb_num}) {
            shown << QString::fromStdU16String(box->Text()) << QString::number(box->ListCount());
        }
        for (const ui::CheckBox* box : {w.chk_search, w.chk_prv}) {
            shown << QString::number(box->Value());
        }
        for (QWidget* control : search_controls()) {
            const auto* option = dynamic_cast<const ui::OptionButton*>(control);
            shown << QString::number(option != nullptr && option->Value());
        }
        shown << QString::number(enabled_search_controls());
        return shown;
    }

    StandInForm menu{u"Base", 2775, 255, nullptr};
};

TEST_F(AddressBook, EveryOpeningSlidesInWithTheInitialContentsWhateverContactsAreLoaded) {
    auto& w = carnet();
    type_into(*w.txt_fname, "Ann");
    click_search();
    QTest::mouseClick(w.rdo_CTY, Qt::LeftButton);
    QTest::mouseClick(w.chk_prv, Qt::LeftButton);
    ASSERT_EQ(w.txt_fname->Text(), u"Text1Ann");
    ASSERT_EQ(w.chk_prv->Value(), 1);
    w.Unload();
    put_a_contact_in();
    w.Load();

    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(focused_control(w), "txt_fname");
    EXPECT_EQ(w.Left(), ui::Screen::Width() - 40 * (w.Width() / 40));
    EXPECT_EQ(w.Top(), ui::Screen::Height() - w.Height() - 400);
    const std::vector<std::pair<vb::String, vb::String>> texts{
        {w.txt_fname->Text(), u"Text1"}, {w.txt_lname->Text(), u"Text2"},
        {w.txt_adr->Text(), u"Text3"},   {w.txt_cp->Text(), u"Text4"},
        {w.txt_ville->Text(), u"Text5"}, {w.cmb_phone->Text(), u"Combo1"},
        {w.cmb_fax->Text(), u"Combo4"},  {w.cmb_mail->Text(), u"Combo2"},
        {w.cmb_site->Text(), u"Combo1"}, {w.cmb_num->Text(), u""},
        {w.txt_search->Text(), u"Text1"}};
    for (const auto& [shown, expected] : texts) {
        EXPECT_EQ(shown, expected);
    }
    for (const ui::ComboBox* box : {w.cmb_phone, w.cmb_fax, w.cmb_mail, w.cmb_site, w.cmb_num}) {
        EXPECT_EQ(box->ListCount(), 0) << box->objectName().toStdString();
    }
    EXPECT_FALSE(w.cmb_num->isEditable());
    EXPECT_TRUE(w.cmb_phone->isEditable());
    EXPECT_EQ(w.chk_search->Value(), 0);
    EXPECT_EQ(w.chk_prv->Value(), 0);
    EXPECT_EQ(enabled_search_controls(), 0);
    EXPECT_TRUE(w.rdo_FRN->Value());
    EXPECT_FALSE(w.rdo_CTY->Value());
}

TEST_F(AddressBook, SearchSwitchesTheTenSearchControlsKeepingTextAndOption) {
    auto& w = carnet();
    EXPECT_EQ(enabled_search_controls(), 0);
    EXPECT_EQ(w.txt_search->Text(), u"Text1");  // greyed, still there
    EXPECT_TRUE(w.rdo_FRN->Value());

    click_search();
    EXPECT_EQ(w.chk_search->Value(), 1);
    EXPECT_EQ(enabled_search_controls(), 10);
    QTest::mouseClick(w.rdo_CTY, Qt::LeftButton);
    w.txt_search->setText(u"Paris");

    click_search();
    EXPECT_EQ(enabled_search_controls(), 0);
    EXPECT_EQ(w.txt_search->Text(), u"Paris");
    click_search();
    EXPECT_EQ(enabled_search_controls(), 10);
    EXPECT_TRUE(w.rdo_CTY->Value());
    EXPECT_FALSE(w.rdo_FRN->Value());
    EXPECT_EQ(w.txt_search->Text(), u"Paris");
    EXPECT_TRUE(w.txt_fname->isEnabled());  // the switch touches the search controls only
    EXPECT_TRUE(w.Frame3->isEnabled());
}

TEST_F(AddressBook, SaveNewAndDeleteChangeNothing) {
    auto& w = carnet();
    put_a_contact_in();
    type_into(*w.txt_fname, "Ann");
    click_search();
    QTest::mouseClick(w.rdo_EML, Qt::LeftButton);
    const QStringList before = contents();
    for (auto* button : {w.cmd_save, w.cmd_new, w.cmd_del}) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(Module1::nb_contacts, 1);
    EXPECT_EQ(Module1::contacts[0].prenom.text(), vb::fit(u"Ann", 50));
}

}  // namespace
