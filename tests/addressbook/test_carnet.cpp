#include <gtest/gtest.h>

#include <QTest>

#include "addressbook/carnet.h"
#include "data/module1.h"
#include "stand_in_forms.h"
#include "ui/screen.h"

namespace {

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

    static QString focused_control() {
        QWidget* widget = carnet().window()->focusWidget();
        while (widget != nullptr && widget->objectName().isEmpty()) {
            widget = widget->parentWidget();
        }
        return widget != nullptr ? widget->objectName() : QString();
    }

    StandInForm menu{u"Base", 2775, 255, nullptr};
};

TEST_F(AddressBook, SlidesInShowingItsInitialTextsWhateverContactsAreLoaded) {
    carnet().Unload();
    Module1::contacts.redim_preserve(1);
    Module1::contacts[0] = Contact{1, u"Martin", u"Ann", u"1 rue Haute", u"75001", u"Paris"};
    Module1::nb_contacts = 1;
    carnet().Load();
    auto& w = carnet();
    EXPECT_EQ(w.Caption(), u"Address Book");
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Top(), ui::Screen::Height() - w.Height() - 400);
    const std::vector<std::pair<vb::String, vb::String>> texts{
        {w.txt_fname->Text(), u"Text1"},     {w.txt_lname->Text(), u"Text2"},
        {w.txt_adr->Text(), u"Text3"},       {w.txt_cp->Text(), u"Text4"},
        {w.txt_ville->Text(), u"Text5"},     {w.cmb_phone->Text(), u"Combo1"},
        {w.cmb_fax->Text(), u"Combo4"},      {w.cmb_mail->Text(), u"Combo2"},
        {w.cmb_site->Text(), u"Combo1"},     {w.cmb_num->Text(), u""},
        {w.Label3->Caption(), u"Address :"}, {w.rdo_ADR->Caption(), u"Adress"}};
    for (const auto& [shown, expected] : texts) {
        EXPECT_EQ(shown, expected);
    }
    EXPECT_EQ(w.cmb_num->ListCount(), 0);
    EXPECT_FALSE(w.cmb_num->isEditable());
    Module1::nb_contacts = 0;
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
    click_search();
    EXPECT_EQ(enabled_search_controls(), 10);
    EXPECT_TRUE(w.rdo_CTY->Value());
    EXPECT_FALSE(w.rdo_FRN->Value());
    EXPECT_EQ(w.txt_search->Text(), u"Paris");
}

TEST_F(AddressBook, TheOtherButtonsChangeNothing) {
    auto& w = carnet();
    w.txt_fname->setText(u"Ann");
    for (auto* button : {w.cmd_save, w.cmd_new, w.cmd_del}) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(w.txt_fname->Text(), u"Ann");
    EXPECT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(Module1::nb_contacts, 0);
}

TEST_F(AddressBook, FocusStartsOnTheFirstNameAndFollowsTheTabOrder) {
    EXPECT_EQ(focused_control(), "txt_fname");
    click_search();  // the search controls take the focus only while enabled
    carnet().txt_fname->editor()->setFocus();
    const std::vector<QString> order{
        "txt_lname", "txt_adr",    "txt_cp",  "txt_ville",  "cmb_phone", "cmb_mail",
        "cmd_save",  "cmd_new",    "cmd_del", "chk_prv",    "cmb_num",   "cmb_fax",
        "cmb_site",  "txt_search", "rdo_FRN", "chk_search", "txt_fname"};
    for (const auto& expected : order) {
        QTest::keyClick(carnet().window()->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused_control(), expected);
    }
}

}  // namespace
