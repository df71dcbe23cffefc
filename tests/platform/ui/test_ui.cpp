// The window layer on its own: twips, the list box's sorted order and indices, the loaded
// forms, a window built from its table of controls, and how a run-time error or End ends the
// process.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <new>
#include <stdexcept>

#include "platform/ui/application.h"
#include "platform/ui/control_table.h"
#include "platform/ui/form.h"
#include "platform/ui/list_box.h"
#include "platform/ui/twips.h"
#include "platform/vb/integer.h"
#include "run_time_error.h"

namespace {

using test_support::error_number_of;
using Items = std::vector<vb::String>;

TEST(Twips, FifteenToAPixelAtNinetySixDpiRoundedToTheNearest) {
    for (const auto& [twips, pixels] :
         {std::pair{2775, 185}, {7, 0}, {8, 1}, {-52, -3}, {-53, -4}}) {
        EXPECT_EQ(ui::to_pixels_x(twips), pixels) << twips;
        EXPECT_EQ(ui::to_pixels_y(twips), pixels) << twips;
    }
    EXPECT_EQ(ui::to_twips_x(800), 12000);
    EXPECT_EQ(ui::to_twips_y(-3), -45);
}

Items items_of(const ui::ListBox& list) {
    Items items;
    for (int i = 0; i < list.ListCount(); ++i) {
        items.push_back(list.List(i));
    }
    return items;
}

// Folded to lower case by code unit, so "[" and "_" come before the letters and a pair of
// units after every other character; an equal item goes after those already there.
TEST(ListBox, SortedItemsFoldCaseAndComeAlikeOneByOneInABatchOrReplaced) {
    Items items{u"bob", u"Alice",         u" Public", u"alice",      u"Bob",    u"  x", u"_z",
                u"[a",  u"\u00e9t\u00e9", u"",        u"\U0001F600", u"\uFF21", u"b ",  u"B"};
    for (int i = 0; i < 300; ++i) {
        items.push_back(vb::String{u'k', u"bBaA"[i % 4], char16_t(u'0' + i * 7 % 10)});
    }
    ui::ListBox one(nullptr), batch(nullptr), replaced(nullptr);
    for (ui::ListBox* list : {&one, &batch, &replaced}) {
        list->setSorted(true);
    }
    for (const auto& item : items) {
        one.AddItem(item);
    }
    batch.AddItems(items);
    replaced.AddItems({u"x", u"y"});
    replaced.setListIndex(1);
    replaced.ReplaceItems(std::vector<std::u16string_view>(items.begin(), items.end()));
    const Items sorted = items_of(one);
    EXPECT_EQ(Items(sorted.begin(), sorted.begin() + 11),
              (Items{u"", u"  x", u" Public", u"[a", u"_z", u"Alice", u"alice", u"B", u"b ", u"Bob",
                     u"bob"}));
    EXPECT_EQ(Items(sorted.end() - 3, sorted.end()),
              (Items{u"\u00e9t\u00e9", u"\uFF21", u"\U0001F600"}));
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        ASSERT_FALSE(ui::sorts_before(sorted[i], sorted[i - 1])) << i;
    }
    EXPECT_EQ(items_of(batch), sorted);
    EXPECT_EQ(items_of(replaced), sorted);
    EXPECT_EQ(replaced.ListIndex(), -1);
}

TEST(ListBox, TheSelectionFollowsItsItemAndIndicesBeyondTheItemsAreErrors) {
    ui::ListBox list(nullptr);
    list.setSorted(true);
    list.AddItems({u"c", u"a", u"b"});
    EXPECT_EQ(list.List(3), u"");
    EXPECT_EQ(list.List(-1), u"");
    list.setListIndex(1);
    list.setSelected(2, true);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_FALSE(list.Selected(1));
    list.AddItem(u"0");  // goes first
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_TRUE(list.Selected(3));
    list.RemoveItem(3);
    EXPECT_EQ(list.SelCount(), 0);
    EXPECT_EQ(error_number_of([&] { list.RemoveItem(3); }), vb::kInvalidProcedureCall);
    EXPECT_EQ(error_number_of([&] { (void)list.Selected(3); }), 381);
    EXPECT_EQ(error_number_of([&] { list.setSelected(-1, true); }), 381);
    EXPECT_EQ(error_number_of([&] { list.setListIndex(3); }), 380);
    EXPECT_EQ(error_number_of([&] { list.setListIndex(-2); }), 380);
}

// An empty window that counts the loaded forms while its load handler runs.
class CountingForm final : public ui::Form {
public:
    explicit CountingForm(const vb::String& caption) : ui::Form({caption, 3000, 1500}) {}
    int counted = 0;

protected:
    void Form_Load() override { counted += ui::Forms::Count(); }
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
};

TEST_F(Forms, AFormJoinsTheLoadedFormsOnceBeforeItsLoadHandlerRuns) {
    CountingForm first(u"First"), second(u"Second");
    first.Load();
    second.Load();
    first.Load();
    EXPECT_EQ(first.counted, 1);
    EXPECT_FALSE(first.Visible());  // hidden until code shows it
    first.Unload();
    ASSERT_EQ(ui::Forms::Count(), 1);
    EXPECT_EQ(&ui::Forms::Item(0), &second);
    EXPECT_EQ(error_number_of([] { (void)ui::Forms::Item(1); }), vb::kSubscriptOutOfRange);
    first.Load();
    EXPECT_EQ(&ui::Forms::Item(1), &first);
}

// A window with a row of each kind, on the client area and in a frame, each option used once.
class MadeUpForm final : public ui::Form {
public:
    MadeUpForm();
    void Go_Click() { ++clicks; }

    ui::ListBox* Names{};
    ui::Frame* Box{};
    ui::Label* Note{};
    ui::TextBox* Secret{};
    ui::CommandButton* Go{};
    int clicks = 0;
};

constexpr ui::Font kNoteFont{"Comic Sans MS", true, 9.75};
using M = MadeUpForm;
// clang-format off
constexpr auto kMadeUp = ui::form_table<M>(
    {.caption = u"Made Up", .width = 3000, .height = 2400}, {
//   name      control     container    caption / text {Left, Top, Width, Height} tab
    {"Names",  &M::Names,  ui::kWindow, u"first",    { 120,  120, 1500,  900},  1, {.sorted = true}},
    {"Box",    &M::Box,    ui::kWindow, u"Box",      {1680,  120, 1200, 1500},  3},
    {"Note",   &M::Note,   &M::Box,     u"Secret :", { 120,  240,  900,  255},  4, {.font = &kNoteFont}},
    {"Secret", &M::Secret, &M::Box,     u"",         { 120,  600,  900,  285},  2,
        {.named_by = &M::Note, .password_char = u'*'}},
    {"Go",     &M::Go,     ui::kWindow, u"Go",       { 120, 1200,  735,  255},  0, {.click = &M::Go_Click}},
});
// clang-format on

MadeUpForm::MadeUpForm() : ui::Form(kMadeUp) {}

// Each control as a person meets it: where it stands, in what, what it is called and looks.
std::string seen(QWidget& control) {
    const QRect r = control.geometry();
    auto* line = qobject_cast<QLineEdit*>(control.focusProxy());
    const QFont f = control.font();
    const QString look = control.testAttribute(Qt::WA_SetFont)
                             ? QString("%1 %2 %3").arg(f.family()).arg(f.bold()).arg(f.pointSizeF())
                         : line != nullptr && line->echoMode() == QLineEdit::Password ? "masked"
                                                                                      : "";
    const QString name = QAccessible::queryAccessibleInterface(line != nullptr ? line : &control)
                             ->text(QAccessible::Name);
    return QString::asprintf("%s in '%s' at %d,%d %dx%d '%s' %s", qPrintable(control.objectName()),
                             qPrintable(control.parentWidget()->objectName()), r.x(), r.y(),
                             r.width(), r.height(), qPrintable(name), qPrintable(look))
        .toStdString();
}

TEST_F(Forms, AWindowIsBuiltFromItsTableEachRowInItsContainerAtItsPlaceWithItsOptions) {
    MadeUpForm form;
    form.Load();
    form.setVisible(true);
    std::vector<std::string> shown;
    for (const char* name : {"Names", "Box", "Note", "Secret", "Go"}) {
        shown.push_back(seen(*form.window()->findChild<QWidget*>(name)));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Names in '' at 8,8 100x60 '' ", "Box in '' at 112,8 80x100 'Box' ",
                         "Note in 'Box' at 8,16 60x17 'Secret :' Comic Sans MS 1 9.75",
                         "Secret in 'Box' at 8,40 60x19 'Secret :' masked",
                         "Go in '' at 8,80 49x17 'Go' "}));
    form.Names->AddItem(u"a");
    EXPECT_EQ(form.Names->List(0), u"a");  // sorted in before the row's first item
    QTest::keyClick(form.Go, Qt::Key_Space);
    EXPECT_EQ(form.clicks, 1);
    // Tab follows the tab indices from the first, the frame and the label taking no focus.
    for (QWidget* next : {static_cast<QWidget*>(form.Go), static_cast<QWidget*>(form.Names),
                          form.Secret->focusProxy(), static_cast<QWidget*>(form.Go)}) {
        EXPECT_EQ(form.window()->focusWidget(), next);
        QTest::keyClick(form.window()->focusWidget(), Qt::Key_Tab);
    }
}

using FormsDeathTest = Forms;

TEST_F(FormsDeathTest, AnErrorEndsWithTheReportOnStderrAndStatusOneAndEndWithZero) {
    EXPECT_EXIT(ui::guarded([] { (void)(vb::Integer(32767) + 1); }), ::testing::ExitedWithCode(1),
                "^Run-time error '6':\n\nOverflow\n$");
    EXPECT_EXIT(ui::guarded([] { throw std::bad_alloc(); }), ::testing::ExitedWithCode(1),
                "^Run-time error '7':\n\nOut of memory\n$");
    EXPECT_EXIT(ui::guarded([] { throw std::logic_error("x"); }), ::testing::ExitedWithCode(1),
                "^Run-time error '51':\n\nInternal error\n$");
    EXPECT_EXIT(ui::End(), ::testing::ExitedWithCode(0), "^$");
}

}  // namespace
