// A window as data: a header (caption, client size, start position, role) and one row per
// control in the terms of the window's designer. The compiler checks each table; Form
// builds its rows into the window's controls at each load.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <variant>

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/drive_list_box.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/option_button.h"
#include "platform/ui/text_box.h"
#include "platform/ui/twips.h"

namespace ui {

// What a screen reader calls a window: the main menu and the working windows are frames,
// the windows that rise beside them dialogs.
enum class Role { kFrame, kDialog };

struct Position {
    int left;
    int top;
};

// The window itself, in twips. Without a start position the window stands where the window
// system puts it until code moves it.
struct Header {
    std::u16string_view caption;
    int width;  // of the client area
    int height;
    std::optional<Position> start = std::nullopt;
    Role role = Role::kFrame;
};

// The container of a control that stands on the window's client area itself.
inline constexpr std::nullptr_t kWindow = nullptr;

// The font of a label that stands out from the rest of its window.
struct Font {
    const char* face;
    bool bold;
    double points;
};

// A handler of the window `W` that a control's event runs; an event without one does nothing.
template <typename W>
using Handler = void (W::*)();

// The label, frame or check box whose caption a screen reader speaks as the name of a control
// that has no caption of its own; it may stand in any row. At most one member is set.
template <typename W>
struct Namer {
    constexpr Namer() noexcept = default;
    // Implicit, so that a row writes `.named_by = &W::Label1`.
    constexpr Namer(Label* W::*namer) : label(namer) {}         // NOLINT
    constexpr Namer(Frame* W::*namer) : frame(namer) {}         // NOLINT
    constexpr Namer(CheckBox* W::*namer) : check_box(namer) {}  // NOLINT

    Label* W::*label = nullptr;
    Frame* W::*frame = nullptr;
    CheckBox* W::*check_box = nullptr;
};

// Each kind's options and events, and no other's.
template <typename W>
struct CommandButtonOptions {
    using Kind = CommandButton;
    bool enabled = true;
    Handler<W> click = nullptr;
};
template <typename W>
struct LabelOptions {
    using Kind = Label;
    const Font* font = nullptr;
    bool spoken = false;  // a message line, whose every new caption a screen reader speaks
};
template <typename W>
struct FrameOptions {
    using Kind = Frame;
};
template <typename W>
struct CheckBoxOptions {
    using Kind = CheckBox;
    bool enabled = true;
    Handler<W> click = nullptr;
};
template <typename W>
struct OptionButtonOptions {
    using Kind = OptionButton;
    bool selected = false;
    bool enabled = true;
    Handler<W> click = nullptr;
};
template <typename W>
struct TextBoxOptions {
    using Kind = TextBox;
    Namer<W> named_by = {};
    char16_t password_char = 0;
    bool multi_line = false;
    TextBox::ScrollBars scroll_bars = TextBox::ScrollBars::kNone;
    bool enabled = true;
    Handler<W> change = nullptr;
};
template <typename W>
struct ComboBoxOptions {
    using Kind = ComboBox;
    Namer<W> named_by = {};
    ComboBox::Style style = ComboBox::Style::kDropDownCombo;
    bool enabled = true;
    Handler<W> click = nullptr;
    Handler<W> change = nullptr;
};
template <typename W>
struct ListBoxOptions {
    using Kind = ListBox;
    Namer<W> named_by = {};
    bool sorted = false;
    ListBox::MultiSelect multi_select = ListBox::MultiSelect::kNone;
    bool columns = false;  // further columns rather than a longer one
    bool enabled = true;
    Handler<W> click = nullptr;
    Handler<W> dbl_click = nullptr;
};
template <typename W>
struct DriveListBoxOptions {
    using Kind = DriveListBox;
    Namer<W> named_by = {};
    bool enabled = true;
    Handler<W> change = nullptr;
};

// Every kind, by its options.
template <typename W>
using AllOptions = std::tuple<CommandButtonOptions<W>, LabelOptions<W>, FrameOptions<W>,
                              CheckBoxOptions<W>, OptionButtonOptions<W>, TextBoxOptions<W>,
                              ComboBoxOptions<W>, ListBoxOptions<W>, DriveListBoxOptions<W>>;

namespace control_table {

// The first of `O...` whose kind is `C`; none for a type that is no kind.
template <typename C, typename... O>
struct OptionsOfKind;
template <typename C, typename First, typename... Rest>
struct OptionsOfKind<C, First, Rest...>
    : std::conditional_t<std::is_same_v<typename First::Kind, C>, std::type_identity<First>,
                         OptionsOfKind<C, Rest...>> {};

template <typename C, typename All>
struct OptionsIn;
template <typename C, typename... O>
struct OptionsIn<C, std::tuple<O...>> : OptionsOfKind<C, O...> {};

}  // namespace control_table

template <typename W, typename C>
using Options = typename control_table::OptionsIn<C, AllOptions<W>>::type;

// A control of kind `C`: the member of the window that receives it, and its options.
template <typename W, typename C>
struct Control {
    C* W::*member;
    Options<W, C> options;
};

namespace control_table {

// A control of any kind.
template <typename W, typename All>
struct Controls;
template <typename W, typename... O>
struct Controls<W, std::tuple<O...>>
    : std::type_identity<std::variant<Control<W, typename O::Kind>...>> {};

}  // namespace control_table

template <typename W>
struct ControlRow {
    // The member's type is the control's kind, which chooses the options the row may give.
    template <typename C>
    constexpr ControlRow(const char* name, C* W::*member, Frame* W::*container,
                         std::u16string_view caption, Rect place, int tab_index,
                         Options<W, C> options = {})
        : name(name),
          control(Control<W, C>{member, options}),
          container(container),
          caption(caption),
          place(place),
          tab_index(tab_index) {}

    const char* name;  // the Qt objectName
    typename control_table::Controls<W, AllOptions<W>>::type control;
    Frame* W::*container;         // a frame of an earlier row, or kWindow
    std::u16string_view caption;  // the caption, the initial text, or a list's first item
    Rect place;                   // twips, relative to the container
    int tab_index;
};

template <typename W, std::size_t N>
struct FormTable {
    Header header;
    std::array<ControlRow<W>, N> rows;
};

// Called only where a table is wrong: none can run as the program compiles, so the compiler
// stops at the call and names the fault.
namespace table_error {
void two_rows_have_one_name();
void two_rows_have_one_member();
void a_container_is_no_frame_of_an_earlier_row();
void a_namer_is_no_label_frame_or_check_box_of_the_table();
void two_controls_that_take_the_focus_have_one_tab_index();
}  // namespace table_error

namespace control_table {

// Whether rows `a` and `b` build into one member.
template <typename W>
constexpr bool same_member(const ControlRow<W>& a, const ControlRow<W>& b) {
    return std::visit(
        [&]<typename C>(const Control<W, C>& control) {
            return std::holds_alternative<Control<W, C>>(b.control) &&
                   std::get<Control<W, C>>(b.control).member == control.member;
        },
        a.control);
}

// The index of the row that builds `member`, or `count` when none does.
template <typename W, typename C>
constexpr std::size_t row_of(C* W::*member, const ControlRow<W>* rows, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (std::holds_alternative<Control<W, C>>(rows[i].control) &&
            std::get<Control<W, C>>(rows[i].control).member == member) {
            return i;
        }
    }
    return count;
}

template <typename W>
constexpr bool takes_focus(const ControlRow<W>& row) {
    return !std::holds_alternative<Control<W, Label>>(row.control) &&
           !std::holds_alternative<Control<W, Frame>>(row.control);
}

template <typename W>
constexpr Namer<W> namer_of(const ControlRow<W>& row) {
    return std::visit(
        []<typename C>(const Control<W, C>& control) -> Namer<W> {
            if constexpr (requires { control.options.named_by; }) {
                return control.options.named_by;
            } else {
                return {};
            }
        },
        row.control);
}

template <typename W, std::size_t N>
constexpr void check_pair(const ControlRow<W> (&rows)[N], std::size_t i, std::size_t j) {
    if (std::string_view(rows[i].name) == std::string_view(rows[j].name)) {
        table_error::two_rows_have_one_name();
    }
    if (same_member(rows[i], rows[j])) {
        table_error::two_rows_have_one_member();
    }
    if (takes_focus(rows[i]) && takes_focus(rows[j]) && rows[i].tab_index == rows[j].tab_index) {
        table_error::two_controls_that_take_the_focus_have_one_tab_index();
    }
}

template <typename W, std::size_t N>
constexpr void check_row(const ControlRow<W> (&rows)[N], std::size_t i) {
    for (std::size_t j = 0; j < i; ++j) {
        check_pair(rows, j, i);
    }
    if (rows[i].container != kWindow && row_of(rows[i].container, rows, i) == i) {
        table_error::a_container_is_no_frame_of_an_earlier_row();
    }
    const Namer<W> namer = namer_of(rows[i]);
    auto missing = [&rows](auto member) {
        return member != nullptr && row_of(member, rows, N) == N;
    };
    if (missing(namer.label) || missing(namer.frame) || missing(namer.check_box)) {
        table_error::a_namer_is_no_label_frame_or_check_box_of_the_table();
    }
}

}  // namespace control_table

// The window's table, checked: rows with one name or one member, a container that is no
// frame built above its control, a namer that no row builds, or two controls that take the
// focus at one tab index do not compile.
template <typename W, std::size_t N>
consteval FormTable<W, N> form_table(const Header& header, const ControlRow<W> (&rows)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        control_table::check_row(rows, i);
    }
    return {header, std::to_array(rows)};
}

}  // namespace ui
