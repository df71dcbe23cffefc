#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace {

// A small window with one control of each kind, in a tab order unlike the creation order.
class ControlsForm final : public ui::Form {
public:
    ControlsForm() : ui::Form(u"Controls", 4000, 3000) {}

    ui::Frame* frame = nullptr;
    ui::Label* label = nullptr;
    ui::TextBox* password = nullptr;
    ui::CheckBox* check = nullptr;
    ui::OptionButton* first = nullptr;
    ui::OptionButton* second = nullptr;
    ui::ComboBox* combo = nullptr;

protected:
    void create_controls(QWidget& client) override {
        frame = add<ui::Frame>(client, "frm_test", {100, 100, 3000, 1500}, 0);
        frame->setCaption(u"Group");
        label = add<ui::Label>(*frame, "Label1", {100, 240, 800, 255}, 1);
        label->setCaption(u"Password :");
        password = add<ui::TextBox>(*frame, "txt_pwd", {1000, 240, 1500, 285}, 3);
        password->setPasswordChar(u'*');
        ui::set_label(*label, *password);
        first = add<ui::OptionButton>(*frame, "rdo_first", {100, 700, 1000, 255}, 4);
        first->setCaption(u"First");
        second = add<ui::OptionButton>(*frame, "rdo_second", {1200, 700, 1000, 255}, 5);
        second->setCaption(u"Second");
        check = add<ui::CheckBox>(client, "chk_test", {100, 1700, 1500, 255}, 2);
        check->setCaption(u"Check");
        combo = add<ui::ComboBox>(client, "cmb_test", {100, 2100, 1500, 315}, 6);
        combo->setText(u"Combo1");
    }
};

class Controls : public ::testing::Test {
protected:
    Controls() {
        form.Load();
        form.setVisible(true);
    }
    ~Controls() override { form.Unload(); }
    ControlsForm form;
};

TEST_F(Controls, NamesAndAccessibleNamesAreTheCaptions) {
    EXPECT_EQ(form.password->objectName(), "txt_pwd");
    EXPECT_EQ(form.password->accessibleName(), "Password :");
    EXPECT_EQ(form.check->accessibleName(), "Check");
    EXPECT_EQ(form.frame->accessibleName(), "Group");
}

TEST_F(Controls, APasswordBoxShowsStarsAndHoldsWhatWasTyped) {
    auto* editor = static_cast<QLineEdit*>(form.password->editor());
    QTest::keyClicks(editor, "s3cr'et");
    EXPECT_EQ(form.password->Text(), u"s3cr'et");
    EXPECT_EQ(editor->echoMode(), QLineEdit::Password);
    EXPECT_EQ(editor->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, editor),
              '*');
}

TEST_F(Controls, DisablingAFrameDisablesWhatItHolds) {
    form.frame->setEnabled(false);
    EXPECT_FALSE(form.password->isEnabled());
    EXPECT_FALSE(form.first->isEnabled());
    EXPECT_TRUE(form.check->isEnabled());
    form.frame->setEnabled(true);
    EXPECT_TRUE(form.password->isEnabled());
}

TEST_F(Controls, CheckBoxAndOptionButtonsReportTheirValues) {
    int clicks = 0;
    form.check->onClick([&] { ++clicks; });
    QTest::mouseClick(form.check, Qt::LeftButton);
    EXPECT_EQ(form.check->Value(), 1);
    form.check->setValue(0);
    EXPECT_EQ(clicks, 2);
    form.first->setValue(true);
    form.second->setValue(true);
    EXPECT_FALSE(form.first->Value());  // one group: the frame
}

TEST_F(Controls, TheComboKeepsItsTextAndListsItsItems) {
    EXPECT_EQ(form.combo->Text(), u"Combo1");
    form.combo->AddItem(u"one");
    EXPECT_EQ(form.combo->Text(), u"Combo1");
    EXPECT_EQ(form.combo->List(0), u"one");
    EXPECT_EQ(form.combo->List(1), u"");
}

TEST_F(Controls, TabOrderFollowsTheTabIndicesAndTheFirstTakesTheFocus) {
    EXPECT_EQ(form.window()->focusWidget(), form.check);
    EXPECT_EQ(form.check->nextInFocusChain(), form.password);
}

}  // namespace
