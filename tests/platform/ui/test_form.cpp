#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTest>

#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/input_hold.h"
#include "ui/screen.h"
#include "ui/twips.h"
#include "vb/integer.h"

namespace {

class ButtonForm final : public ui::Form {
public:
    explicit ButtonForm(const vb::String& caption = u"Test") : ui::Form(caption, 3000, 1500) {}

    ui::CommandButton* button = nullptr;
    std::function<void()> on_click;
    int loads = 0;
    int close_requests = 0;

protected:
    void create_controls(QWidget& client) override {
        button = add<ui::CommandButton>(client, "btn_test", {150, 150, 1500, 300}, 0);
        button->setCaption(u"Press");
        button->onClick([this] { on_click(); });
    }
    void Form_Load() override { ++loads; }
    void close_requested() override { ++close_requests; }
};

class Forms : public ::testing::Test {
protected:
    ~Forms() override {
        while (ui::Forms::Count() > 0) {
            ui::Forms::Item(ui::Forms::Count() - 1).Unload();
        }
        ui::set_modal_hook({});
    }
};

TEST(Twips, FifteenToAPixelAtNinetySixDpi) {
    EXPECT_DOUBLE_EQ(ui::twips_per_pixel_x(), 15.0);
    EXPECT_EQ(ui::to_pixels_x(2775), 185);
    EXPECT_EQ(ui::to_pixels_y(7), 0);
    EXPECT_EQ(ui::to_pixels_y(8), 1);
    EXPECT_EQ(ui::to_twips_x(800), 12000);
    EXPECT_EQ(ui::Screen::Width(), ui::to_twips_x(800));
}

TEST_F(Forms, LoadAppendsInOrderOnceAndUnloadRemoves) {
    ButtonForm first(u"First"), second(u"Second");
    first.Load();
    second.Load();
    first.Load();
    EXPECT_EQ(first.loads, 1);
    ASSERT_EQ(ui::Forms::Count(), 2);
    EXPECT_EQ(ui::Forms::Item(0).Caption(), u"First");
    EXPECT_EQ(ui::Forms::Item(1).Caption(), u"Second");
    EXPECT_FALSE(first.Visible());  // hidden until code shows it
    first.Unload();
    ASSERT_EQ(ui::Forms::Count(), 1);
    EXPECT_EQ(&ui::Forms::Item(0), &second);
    EXPECT_THROW(ui::Forms::Item(1), vb::RuntimeError);
    first.Load();
    EXPECT_EQ(first.loads, 2);
    EXPECT_EQ(&ui::Forms::Item(1), &first);
}

TEST_F(Forms, PositionReadsBackWhatCodeSetAndTheWindowStandsAtTheNearestPixel) {
    ButtonForm form;
    form.Load();
    form.setLeft(1007);
    form.setTop(-52);
    form.setVisible(true);
    EXPECT_EQ(form.Left(), 1007);
    EXPECT_EQ(form.Top(), -52);
    EXPECT_EQ(form.window()->x(), 67);
    EXPECT_EQ(form.window()->width(), 200);
    EXPECT_GE(form.Width(), 3000);
}

TEST_F(Forms, AFormsOwnButtonMayUnloadIt) {
    ButtonForm form;
    form.Load();
    form.setVisible(true);
    form.on_click = [&] { form.Unload(); };
    QTest::mouseClick(form.button, Qt::LeftButton);
    EXPECT_FALSE(form.IsLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ui::Forms::Count(), 0);
}

TEST_F(Forms, TheWindowSystemCannotCloseAForm) {
    ButtonForm form;
    form.Load();
    form.setVisible(true);
    EXPECT_FALSE(form.window()->close());
    QTest::keyClick(form.window(), Qt::Key_Escape);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.close_requests, 2);
}

TEST_F(Forms, ModalShowReturnsWhenTheFormIsUnloadedAndBlocksTheOthers) {
    ButtonForm behind(u"Behind"), dialog(u"Dialog");
    behind.Load();
    behind.setVisible(true);
    dialog.Load();
    dialog.on_click = [&] { dialog.Unload(); };
    int hooks = 0;
    ui::set_modal_hook([&](ui::Form& shown) {
        ++hooks;
        EXPECT_EQ(&shown, &dialog);
        EXPECT_TRUE(dialog.Visible());
        EXPECT_EQ(QApplication::activeModalWidget(), dialog.window());
        QTest::mouseClick(dialog.button, Qt::LeftButton);
    });
    dialog.ShowModal();
    EXPECT_EQ(hooks, 1);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Forms, InputHoldDropsClicksButNotOtherEvents) {
    ButtonForm form;
    form.Load();
    form.setVisible(true);
    int clicks = 0;
    form.on_click = [&] { ++clicks; };
    {
        const ui::InputHold hold;
        EXPECT_TRUE(ui::InputHold::active());
        QTest::mouseClick(form.button, Qt::LeftButton);
        bool ran = false;
        QMetaObject::invokeMethod(
            form.window(), [&] { ran = true; }, Qt::QueuedConnection);
        ui::DoEvents();
        EXPECT_TRUE(ran);
    }
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(form.button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

using FormsDeathTest = Forms;

TEST_F(FormsDeathTest, AnErrorInAHandlerEndsWithTheReport) {
    EXPECT_EXIT(
        {
            ButtonForm form;
            form.Load();
            form.setVisible(true);
            form.on_click = [] { (void)(vb::Integer(32767) + 1); };
            QTest::mouseClick(form.button, Qt::LeftButton);
            std::fputs("after the report", stderr);
        },
        ::testing::ExitedWithCode(1), "Run-time error '6':\n\nOverflow\n$");
}

}  // namespace
