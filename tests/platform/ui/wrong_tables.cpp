// A window's table that the compiler must refuse, one fault a build, chosen by the test that
// builds it; with no fault chosen the table is right and compiles with every other test.
#include "platform/ui/form.h"

struct Made final : ui::Form {
    Made();
    void Go_Click() {}
    ui::Frame *Box{}, *Inner{};
    ui::Label *Note{}, *Loose{};
    ui::TextBox *Secret{}, *Other{};
    ui::CommandButton *Go{}, *Stop{};
};

using M = Made;
using ui::kWindow;
// clang-format off
constexpr auto kMade = ui::form_table<M>({.caption = u"Made", .width = 3000, .height = 2400}, {
    {"Box",    &M::Box,    kWindow, u"Box",      {0, 0, 900, 900}, 3},
    {"Note",   &M::Note,   &M::Box, u"Secret :", {0, 0, 900, 255}, 3},  // neither takes the focus
    {"Secret", &M::Secret, &M::Box, u"",         {0, 0, 900, 285}, 1, {.named_by = &M::Note}},
    {"Go",     &M::Go,     kWindow, u"Go",       {0, 0, 735, 255}, 0, {.click = &M::Go_Click}},
#if defined(TWO_ROWS_HAVE_ONE_NAME)
    {"Go",     &M::Stop,   kWindow, u"Stop",     {0, 0, 735, 255}, 2},
#elif defined(TWO_ROWS_HAVE_ONE_MEMBER)
    {"Stop",   &M::Go,     kWindow, u"Stop",     {0, 0, 735, 255}, 2},
#elif defined(A_CONTAINER_AFTER_ITS_CONTROL)
    {"Stop",   &M::Stop,   &M::Inner, u"Stop",   {0, 0, 735, 255}, 2},
    {"Inner",  &M::Inner,  kWindow, u"Inner",    {0, 0, 900, 900}, 4},
#elif defined(A_CONTAINER_THAT_IS_NO_FRAME)
    {"Stop",   &M::Stop,   &M::Go,  u"Stop",     {0, 0, 735, 255}, 2},
#elif defined(A_NAMER_NO_ROW_BUILDS)
    {"Other",  &M::Other,  kWindow, u"",         {0, 0, 735, 285}, 2, {.named_by = &M::Loose}},
#elif defined(ONE_TAB_INDEX_TWICE)
    {"Stop",   &M::Stop,   kWindow, u"Stop",     {0, 0, 735, 255}, 1},
#elif defined(AN_OPTION_THE_KIND_LACKS)
    {"Loose",  &M::Loose,  kWindow, u"Loose",    {0, 0, 735, 255}, 2, {.password_char = u'*'}},
#elif defined(AN_EVENT_THE_KIND_LACKS)
    {"Stop",   &M::Stop,   kWindow, u"Stop",     {0, 0, 735, 255}, 2, {.dbl_click = &M::Go_Click}},
#endif
});
// clang-format on

Made::Made() : ui::Form(kMade) {}
