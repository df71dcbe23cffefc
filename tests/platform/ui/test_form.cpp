#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <new>
#include <stdexcept>

#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/input_hold.h"
#include "ui/screen.h"
#include "ui/twips.h"
#include "vb/integer.h"

namespace {

// Counts the paintings it gets, to tell that painting goes on.
class PaintCounter final : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class ButtonForm final : public ui::Form {
public:
    explicit ButtonForm(const vb::String& caption = u"Test", int width = 3000, int height = 1500)
        : ui::Form(caption, width, height) {}

    ui::CommandButton* button = nullptr;
    QLineEdit* edit = nullptr;
    PaintCounter* canvas = nullptr;
    std::function<void()> on_click = [] {};
    std::function<void()> on_load = [] {};
    int clicks = 0;
    int loads = 0;
    int close_requests = 0;

    using ui::Form::set_start_position;

protected:
    void create_controls(QWidget& client) override {
        button = add<ui::CommandButton>(client, "btn_test", {150, 150, 1500, 300}, 0);
        button->setCaption(u"Press");
        button->onClick([this] {
            ++clicks;
            on_click();
        });
        edit = add<QLineEdit>(client, "txt_test", {150, 600, 1500, 300}, 1);
        canvas = add<PaintCounter>(client, "canvas", {150, 1000, 300, 300}, 2);
    }
    void Form_Load() override {
        ++loads;
        on_load();
    }
    void close_requested() override { ++close_requests; }
};

class Forms : public ::testing::Test {
protected:
    ~Forms() override {
        while (ui::Forms::Count() > 0) {
            ui::Forms::Item(ui::Forms::Count() - 1).Unload();
        }
        ui::set_modal_hook({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Through the window, as the window system delivers a user's click, so that a window
    // blocked by a modal one does not get it.
    static void user_click(QWidget* control) {
        QWindow* window = control->window()->windowHandle();
        const QPoint at = control->mapTo(control->window(), control->rect().center());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
    }
};

TEST(Twips, FifteenToAPixelAtNinetySixDpiRoundedToTheNearest) {
    EXPECT_DOUBLE_EQ(ui::twips_per_pixel_x(), 15.0);
    EXPECT_DOUBLE_EQ(ui::twips_per_pixel_y(), 15.0);
    struct Case {
        int twips;
        int pixels;
    };
    for (const Case c : {Case{2775, 185}, {7, 0}, {8, 1}, {-52, -3}, {-53, -4}, {0, 0}}) {
        EXPECT_EQ(ui::to_pixels_x(c.twips), c.pixels) << c.twips;
        EXPECT_EQ(ui::to_pixels_y(c.twips), c.pixels) << c.twips;
    }
    EXPECT_EQ(ui::to_twips_x(800), 12000);
    EXPECT_EQ(ui::to_twips_y(-3), -45);
}

TEST(Twips, TheScreenIsThePrimaryScreensWholeGeometry) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(ui::Screen::Width(), screen.width() * 15);
    EXPECT_EQ(ui::Screen::Height(), screen.height() * 15);
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
    EXPECT_EQ(first.window()->windowTitle(), "First");
    EXPECT_FALSE(first.Visible());  // hidden until code shows it
    EXPECT_FALSE(first.window()->isVisible());
    first.Unload();
    ASSERT_EQ(ui::Forms::Count(), 1);
    EXPECT_EQ(&ui::Forms::Item(0), &second);
    for (int beyond : {1, -1}) {
        try {
            ui::Forms::Item(beyond);
            ADD_FAILURE() << beyond;
        } catch (const vb::RuntimeError& error) {
            EXPECT_EQ(error.number(), vb::kSubscriptOutOfRange);
        }
    }
    first.Load();
    EXPECT_EQ(first.loads, 2);
    EXPECT_EQ(&ui::Forms::Item(1), &first);
}

TEST_F(Forms, AFormIsInFormsWhileItsLoadHandlerRuns) {
    ButtonForm form;
    int count_during_load = 0;
    form.on_load = [&] { count_during_load = ui::Forms::Count(); };
    form.Load();
    EXPECT_EQ(count_during_load, 1);
}

TEST_F(Forms, TheWindowHasATitleBarButNoCloseBoxAndAFixedClientSize) {
    ButtonForm form;
    form.Load();
    const Qt::WindowFlags flags = form.window()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_EQ(form.window()->minimumSize(), QSize(200, 100));
    EXPECT_EQ(form.window()->maximumSize(), QSize(200, 100));
}

TEST_F(Forms, PositionReadsBackWhatCodeSetWhileTheWindowStandsAtItsPixel) {
    ButtonForm form;
    form.Load();
    form.setLeft(1007);
    form.setTop(-52);
    form.setVisible(true);
    EXPECT_EQ(form.Left(), 1007);
    EXPECT_EQ(form.Top(), -52);
    EXPECT_EQ(form.window()->pos(), QPoint(67, -3));
    const QSize frame = form.window()->frameGeometry().size() - form.window()->size();
    EXPECT_EQ(form.Width(), 3000 + 15 * frame.width());
    EXPECT_EQ(form.Height(), 1500 + 15 * frame.height());
    // Placement reasons in its own terms, wherever the user drags the window.
    form.window()->move(100, 20);
    EXPECT_EQ(form.Left(), 1007);
    form.setTop(3000);
    EXPECT_EQ(form.window()->pos(), QPoint(67, 200));
}

TEST_F(Forms, TheStoredStartPositionPlacesTheClientAtEveryLoad) {
    ButtonForm form;
    form.set_start_position(4980, 990);
    form.Load();
    EXPECT_EQ(form.window()->geometry().topLeft(), QPoint(332, 66));
    // Left is the outer frame's, the frame standing left of the client.
    const int frame_left = 332 - form.window()->frameGeometry().x();
    EXPECT_EQ(form.Left(), 4980 - 15 * frame_left);
    form.setLeft(0);
    form.Unload();
    form.Load();
    EXPECT_EQ(form.window()->geometry().topLeft(), QPoint(332, 66));
}

TEST_F(Forms, MakingAnUnloadedFormVisibleLoadsIt) {
    ButtonForm form;
    form.setVisible(false);
    EXPECT_FALSE(form.IsLoaded());
    form.setVisible(true);
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.Visible());
}

TEST_F(Forms, AFormsOwnButtonMayUnloadIt) {
    ButtonForm form;
    form.Load();
    form.setVisible(true);
    form.on_click = [&] { form.Unload(); };
    const QPointer<QWidget> window = form.window();
    QTest::mouseClick(form.button, Qt::LeftButton);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(ui::Forms::Count(), 0);
    ASSERT_FALSE(window.isNull());  // destroyed only once the handler has returned
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(Forms, TheWindowSystemCannotCloseAFormNorCanEscape) {
    ButtonForm form;
    form.Load();
    form.setVisible(true);
    EXPECT_FALSE(form.window()->close());
    QTest::keyClick(form.window(), Qt::Key_Escape);
    QTest::keyClick(form.edit, Qt::Key_Escape);  // from a control, Escape reaches the window
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.close_requests, 3);
}

TEST_F(Forms, ModalShowRunsTheHookOnceBlocksTheOthersAndReturnsWhenUnloaded) {
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
        user_click(behind.button);
        EXPECT_EQ(behind.clicks, 0);
        user_click(dialog.button);
    });
    dialog.ShowModal();
    EXPECT_EQ(hooks, 1);
    EXPECT_EQ(dialog.clicks, 1);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // Once more, from unloaded: the form loads again and the hook runs again.
    dialog.ShowModal();
    EXPECT_EQ(dialog.loads, 2);
    EXPECT_EQ(hooks, 2);
    user_click(behind.button);
    EXPECT_EQ(behind.clicks, 1);
}

TEST_F(Forms, TheModalHookRunsWithinTheLoopAfterEventsProcessedBefore) {
    ButtonForm dialog(u"Dialog");
    // A load handler that processes events, as the showing animations do.
    dialog.on_load = [&] {
        dialog.setVisible(true);
        ui::DoEvents();
    };
    int hooks = 0;
    ui::set_modal_hook([&](ui::Form& shown) {
        ++hooks;
        shown.Unload();
    });
    dialog.ShowModal();
    EXPECT_EQ(hooks, 1);
    EXPECT_FALSE(dialog.IsLoaded());
}

TEST_F(Forms, AModalFormThatUnloadsWhileLoadingReturnsAtOnce) {
    ButtonForm dialog(u"Dialog");
    dialog.on_load = [&] { dialog.Unload(); };
    int hooks = 0;
    ui::set_modal_hook([&](ui::Form&) { ++hooks; });
    dialog.ShowModal();
    EXPECT_EQ(hooks, 0);
}

TEST_F(Forms, InputHoldDropsClicksAndKeysButPaintingAndPostedEventsGoOn) {
    ButtonForm form;
    form.Load();
    form.setVisible(true);
    ui::DoEvents();
    {
        const ui::InputHold outer;
        { const ui::InputHold inner; }
        EXPECT_TRUE(ui::InputHold::active());
        QTest::mouseClick(form.button, Qt::LeftButton);
        QTest::keyClick(form.button, Qt::Key_Space);
        QTest::keyClicks(form.edit, "abc");
        bool ran = false;
        QMetaObject::invokeMethod(
            form.window(), [&] { ran = true; }, Qt::QueuedConnection);
        const int paints = form.canvas->paints;
        form.canvas->update();
        ui::DoEvents();
        EXPECT_TRUE(ran);
        EXPECT_GT(form.canvas->paints, paints);
    }
    EXPECT_FALSE(ui::InputHold::active());
    EXPECT_EQ(form.clicks, 0);
    EXPECT_EQ(form.edit->text(), "");
    QTest::mouseClick(form.button, Qt::LeftButton);
    QTest::keyClicks(form.edit, "abc");
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.edit->text(), "abc");
}

using FormsDeathTest = Forms;

TEST_F(FormsDeathTest, AnErrorInAHandlerEndsWithTheReportOnStderrAndStatusOne) {
    EXPECT_EXIT(
        {
            ButtonForm form;
            form.Load();
            form.setVisible(true);
            form.on_click = [] { (void)(vb::Integer(32767) + 1); };
            QTest::mouseClick(form.button, Qt::LeftButton);
            std::fputs("after the report", stderr);
        },
        ::testing::ExitedWithCode(1), "^Run-time error '6':\n\nOverflow\n$");
}

TEST_F(FormsDeathTest, OtherExceptionsEndWithTheirRunTimeErrors) {
    EXPECT_EXIT(ui::guarded([] { throw std::bad_alloc(); }), ::testing::ExitedWithCode(1),
                "^Run-time error '7':\n\nOut of memory\n$");
    EXPECT_EXIT(ui::guarded([] { throw std::logic_error("x"); }), ::testing::ExitedWithCode(1),
                "^Run-time error '51':\n\nInternal error\n$");
}

TEST_F(FormsDeathTest, AnErrorInAnEventEndsWithTheReport) {
    EXPECT_EXIT(
        {
            QObject target;
            QMetaObject::invokeMethod(
                &target, [] { vb::raise(vb::kSubscriptOutOfRange); }, Qt::QueuedConnection);
            ui::DoEvents();
            std::fputs("after the report", stderr);
        },
        ::testing::ExitedWithCode(1), "^Run-time error '9':\n\nSubscript out of range\n$");
}

TEST_F(FormsDeathTest, EndEndsAtOnceWithStatusZero) {
    EXPECT_EXIT(
        {
            ButtonForm form;
            form.Load();
            ui::End();
        },
        ::testing::ExitedWithCode(0), "^$");
}

}  // namespace
