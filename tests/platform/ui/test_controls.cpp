#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace {

// A small window with one control of each kind, in a tab order unlike the creation order.
class ControlsForm final : public ui::Form {
public:
    ControlsForm() : ui::Form(u"Controls", 4000, 3600) {}

    ui::Frame* frame = nullptr;
    ui::Label* label = nullptr;
    ui::TextBox* password = nullptr;
    ui::CheckBox* check = nullptr;
    ui::OptionButton* first = nullptr;
    ui::OptionButton* second = nullptr;
    ui::ComboBox* combo = nullptr;
    ui::ComboBox* choice = nullptr;
    ui::TextBox* state = nullptr;
    ui::CommandButton* disabled = nullptr;
    ui::ListBox* list = nullptr;

protected:
    void create_controls(QWidget& client) override {
        disabled = add<ui::CommandButton>(client, "cmd_off", {3000, 100, 900, 300}, 0);
        disabled->setCaption(u"Off");
        disabled->setEnabled(false);
        frame = add<ui::Frame>(client, "frm_test", {100, 100, 3000, 1500}, 1);
        frame->setCaption(u"Group");
        label = add<ui::Label>(*frame, "Label1", {100, 240, 800, 255}, 2);
        label->setCaption(u"Password :");
        password = add<ui::TextBox>(*frame, "txt_pwd", {1000, 240, 1500, 285}, 4);
        password->setPasswordChar(u'*');
        ui::set_label(*label, *password);
        first = add<ui::OptionButton>(*frame, "rdo_first", {100, 700, 1000, 255}, 5);
        first->setCaption(u"First");
        second = add<ui::OptionButton>(*frame, "rdo_second", {1200, 700, 1000, 255}, 6);
        second->setCaption(u"Second");
        check = add<ui::CheckBox>(client, "chk_test", {100, 1700, 1500, 255}, 3);
        check->setCaption(u"Check");
        combo = add<ui::ComboBox>(client, "cmb_test", {100, 2100, 1500, 315}, 7);
        combo->setText(u"Combo1");
        choice = add<ui::ComboBox>(client, "cmb_choice", {1700, 2100, 1500, 315}, 8);
        choice->setStyle(ui::ComboBox::Style::kDropDownList);
        state = add<ui::TextBox>(client, "txt_state", {100, 2500, 3000, 600}, 9);
        state->setMultiLine(true, ui::TextBox::ScrollBars::kVertical);
        list = add<ui::ListBox>(client, "lst_test", {100, 3150, 1500, 400}, 10);
        ui::set_label(*frame, *list);
    }
};

class Controls : public ::testing::Test {
protected:
    Controls() {
        form.Load();
        form.setVisible(true);
        QApplication::setActiveWindow(form.window());
    }
    ~Controls() override {
        form.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ControlsForm form;
};

TEST_F(Controls, NamesAreTheGivenOnesAndAccessibleNamesTheCaptions) {
    EXPECT_EQ(form.password->objectName(), "txt_pwd");
    EXPECT_EQ(form.frame->objectName(), "frm_test");
    EXPECT_EQ(form.check->accessibleName(), "Check");
    EXPECT_EQ(form.frame->accessibleName(), "Group");
    EXPECT_EQ(form.first->accessibleName(), "First");
    EXPECT_EQ(form.disabled->accessibleName(), "Off");
    // A box is named by its label, in the editor that takes the focus too, and follows it.
    EXPECT_EQ(form.password->accessibleName(), "Password :");
    EXPECT_EQ(form.password->editor()->accessibleName(), "Password :");
    form.label->setCaption(u"Secret :");
    EXPECT_EQ(form.password->editor()->accessibleName(), "Secret :");
    // A box without a label is named by a frame, and follows its caption too.
    EXPECT_EQ(form.list->accessibleName(), "Group");
    form.frame->setCaption(u"Files->c:\\home");
    EXPECT_EQ(form.list->accessibleName(), "Files->c:\\home");
}

TEST_F(Controls, PositionsAreTwipsWithinTheContainersOuterCorner) {
    EXPECT_EQ(form.password->geometry(), QRect(67, 16, 100, 19));
    EXPECT_EQ(form.password->parentWidget(), form.frame);
    EXPECT_EQ(form.password->editor()->geometry(), QRect(0, 0, 100, 19));
}

TEST_F(Controls, APasswordBoxShowsStarsAndHoldsExactlyWhatWasTyped) {
    auto* editor = static_cast<QLineEdit*>(form.password->editor());
    QTest::keyClicks(editor, " s3cr'et ");
    EXPECT_EQ(form.password->Text(), u" s3cr'et ");
    EXPECT_EQ(editor->displayText(), "*********");
    form.password->setPasswordChar(0);
    EXPECT_EQ(editor->displayText(), " s3cr'et ");
}

TEST_F(Controls, ABoxOfSeveralLinesHoldsCarriageReturnLineFeeds) {
    int changes = 0;
    form.state->onChange([&] { ++changes; });
    form.state->setText(u"Text1\r\n");
    EXPECT_EQ(form.state->Text(), u"Text1\r\n");
    auto* editor = static_cast<QPlainTextEdit*>(form.state->editor());
    EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, "a");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(form.state->Text(), u"Text1\r\na\r\n");
    EXPECT_EQ(changes, 3);
}

TEST_F(Controls, DisablingAFrameDisablesWhatItHolds) {
    form.frame->setEnabled(false);
    EXPECT_FALSE(form.password->isEnabled());
    EXPECT_FALSE(form.password->editor()->isEnabled());
    EXPECT_FALSE(form.first->isEnabled());
    EXPECT_TRUE(form.check->isEnabled());
    QTest::keyClicks(form.password->editor(), "x");
    EXPECT_EQ(form.password->Text(), u"");
    form.frame->setEnabled(true);
    EXPECT_TRUE(form.password->isEnabled());
}

TEST_F(Controls, ACheckBoxClicksOnEveryChangeOfItsValue) {
    int clicks = 0;
    form.check->onClick([&] { ++clicks; });
    QTest::mouseClick(form.check, Qt::LeftButton);
    EXPECT_EQ(form.check->Value(), 1);
    EXPECT_EQ(clicks, 1);
    form.check->setValue(0);
    EXPECT_EQ(form.check->Value(), 0);
    EXPECT_EQ(clicks, 2);
    form.check->setValue(0);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Controls, OptionButtonsInAFrameAreOneGroupAndClickWhenSelected) {
    int clicks = 0;
    form.first->onClick([&] { ++clicks; });
    form.first->setValue(true);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(form.second, Qt::LeftButton);
    EXPECT_TRUE(form.second->Value());
    EXPECT_FALSE(form.first->Value());
    EXPECT_EQ(clicks, 1);  // being deselected is no click
}

TEST_F(Controls, AComboWithAnEditFieldKeepsItsTextWhenItemsAreAdded) {
    EXPECT_EQ(form.combo->Text(), u"Combo1");
    form.combo->AddItem(u"one");
    form.combo->AddItem(u"two");
    EXPECT_EQ(form.combo->Text(), u"Combo1");
    EXPECT_EQ(form.combo->ListIndex(), -1);
    EXPECT_EQ(form.combo->ListCount(), 2);
    EXPECT_EQ(form.combo->List(1), u"two");
    EXPECT_EQ(form.combo->List(2), u"");
    EXPECT_EQ(form.combo->List(-1), u"");
    form.combo->setListIndex(1);
    EXPECT_EQ(form.combo->Text(), u"two");
    form.combo->Clear();
    EXPECT_EQ(form.combo->ListCount(), 0);
    EXPECT_EQ(form.combo->Text(), u"");
}

TEST_F(Controls, ADropDownListChoosesNothingUntilAnItemIsChosen) {
    int clicks = 0;
    form.choice->onClick([&] { ++clicks; });
    form.choice->AddItem(u"A:");
    form.choice->AddItem(u"C:");
    EXPECT_EQ(form.choice->ListIndex(), -1);
    EXPECT_EQ(form.choice->Text(), u"");
    form.choice->setFocus();
    QTest::keyClick(form.choice, Qt::Key_Down);
    EXPECT_EQ(form.choice->ListIndex(), 0);
    EXPECT_EQ(form.choice->Text(), u"A:");
    EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, TabOrderFollowsTheTabIndicesAndTheFirstEnabledTakesTheFocus) {
    EXPECT_EQ(QApplication::focusWidget(), form.check);
    std::vector<QWidget*> visited;
    for (int k = 0; k < 6; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{form.password->editor(), form.first, form.combo,
                                              form.choice, form.state->editor(), form.list}));
}

TEST_F(Controls, EnterOnAFocusedButtonPressesIt) {
    auto* button = form.disabled;
    button->setEnabled(true);
    int clicks = 0;
    button->onClick([&] { ++clicks; });
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Space);
    button->setEnabled(false);
    button->Click();
    EXPECT_EQ(clicks, 2);
}

}  // namespace
