// The address book driven as a user would: every opening starts afresh, and the "Search"
// switch enables the ten search controls.
#include <gtest/gtest.h>

#include <QTest>

#include "addressbook/carnet.h"
#include "stand_in_forms.h"

namespace {

// What a user can change in the window: the first name and the search text typed, the two
// check boxes (as a number), the chosen option, and how many search controls are enabled.
QStringList state() {
    auto& w = carnet();
    QStringList shown{QString::fromStdU16String(w.txt_fname->Text()),
                      QString::fromStdU16String(w.txt_search->Text()),
                      QString::number(w.chk_prv->Value() + 2 * w.chk_search->Value())};
    int enabled = w.txt_search->isEnabled();
    for (ui::OptionButton* option : {w.rdo_FRN, w.rdo_LSN, w.rdo_ADR, w.rdo_ZPC, w.rdo_CTY,
                                     w.rdo_PHN, w.rdo_EML, w.rdo_FAX, w.rdo_SIT}) {
        if (option->Value()) {
            shown << option->objectName();
        }
        enabled += option->isEnabled();
    }
    return shown << QString::number(enabled) + " enabled";
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

TEST_F(AddressBook, EveryOpeningStartsAfresh) {
    QTest::keyClicks(carnet().txt_fname->editor(), "Ann");
    click(carnet().chk_search);
    click(carnet().rdo_CTY);
    click(carnet().chk_prv);
    carnet().Unload();
    carnet().Load();
    EXPECT_EQ(state(), (QStringList{"Text1", "Text1", "0", "rdo_FRN", "0 enabled"}));
}

TEST_F(AddressBook, SearchSwitchesTheTenSearchControlsKeepingTextAndOption) {
    click(carnet().chk_search);
    EXPECT_EQ(state().back(), "10 enabled");
    click(carnet().rdo_SIT);
    carnet().txt_search->setText(u"Paris");
    click(carnet().chk_search);
    EXPECT_EQ(state().back(), "0 enabled");
    click(carnet().chk_search);
    EXPECT_EQ(state(), (QStringList{"Text1", "Paris", "2", "rdo_SIT", "10 enabled"}));
}

}  // namespace
