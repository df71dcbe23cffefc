// A window's controls as data: one row per control, in the terms of the window's designer,
// which Form::build turns into the window's controls each time it loads.
#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/drive_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/option_button.h"
#include "platform/ui/text_box.h"
#include "platform/ui/twips.h"

namespace ui {

// The container of a control that stands on the window's client area itself.
inline constexpr const char* kWindow = nullptr;

// The font of a label that stands out from the rest of its window.
struct Font {
    const char* face;
    bool bold;
    double points;
};

// What only some controls have. A setting that does not apply to a control's kind is ignored.
struct Extras {
    // The label, frame or check box whose caption a screen reader speaks as the name of a
    // control that has no caption of its own.
    const char* named_by = nullptr;
    // List box; `columns` continues it in further columns.
    bool sorted = false;
    ListBox::MultiSelect multi_select = ListBox::MultiSelect::kNone;
    bool columns = false;
    ComboBox::Style style = ComboBox::Style::kDropDownCombo;  // combo box
    // Text box.
    char16_t password_char = 0;
    bool multi_line = false;
    TextBox::ScrollBars scroll_bars = TextBox::ScrollBars::kNone;
    const Font* font = nullptr;  // label
    // Label: a message line, whose every new caption a screen reader speaks as news.
    bool spoken = false;
    bool selected = false;  // option button
    bool enabled = true;
};

// The window's handlers that a control's events run; an event without one does nothing.
template <typename W>
struct Handlers {
    void (W::*click)() = nullptr;
    void (W::*dbl_click)() = nullptr;  // list box
    void (W::*change)() = nullptr;     // drive list box
};

template <typename W>
struct ControlRow {
    // The member of the window `W` that receives a control of kind `C`.
    template <typename C>
    using Member = C* W::*;

    const char* name;  // the Qt objectName
    // The member's type is the control's kind.
    std::variant<Member<CommandButton>, Member<Label>, Member<TextBox>, Member<Frame>,
                 Member<CheckBox>, Member<OptionButton>, Member<ComboBox>, Member<ListBox>,
                 Member<DriveListBox>>
        control;
    const char* container;        // the name of a frame in an earlier row, or kWindow
    std::u16string_view caption;  // the caption, the initial text, or a list's first item
    Rect rect;                    // twips, relative to the container
    int tab_index;
    Extras extras = {};
    Handlers<W> on = {};
};

template <typename W>
using ControlTable = std::span<const ControlRow<W>>;

namespace control_table {

// What a row says of each kind of control beyond its place.
void set_up(CommandButton& button, std::u16string_view caption, const Extras& extras);
void set_up(Label& label, std::u16string_view caption, const Extras& extras);
void set_up(Frame& frame, std::u16string_view caption, const Extras& extras);
void set_up(CheckBox& check_box, std::u16string_view caption, const Extras& extras);
void set_up(OptionButton& button, std::u16string_view caption, const Extras& extras);
void set_up(TextBox& box, std::u16string_view text, const Extras& extras);
void set_up(ComboBox& box, std::u16string_view text, const Extras& extras);
void set_up(ListBox& list, std::u16string_view first_item, const Extras& extras);
void set_up(DriveListBox& drives, std::u16string_view caption, const Extras& extras);

// Binds each handler the row gives to the event of that name, where the control has one.
template <typename W, typename C>
void bind(W& window, C& control, const Handlers<W>& on) {
    auto run = [&window](void (W::*handler)()) {
        return [&window, handler] { (window.*handler)(); };
    };
    if constexpr (requires { control.onClick(run(on.click)); }) {
        if (on.click != nullptr) {
            control.onClick(run(on.click));
        }
    }
    if constexpr (requires { control.onDblClick(run(on.dbl_click)); }) {
        if (on.dbl_click != nullptr) {
            control.onDblClick(run(on.dbl_click));
        }
    }
    if constexpr (requires { control.onChange(run(on.change)); }) {
        if (on.change != nullptr) {
            control.onChange(run(on.change));
        }
    }
}

// The client area, or the frame of that name built by an earlier row.
QWidget& container(QWidget& client, const char* frame);
// Gives `control` its namer's caption as the name a screen reader speaks; once every control
// exists, since the namer may stand in a later row.
void name(QWidget& client, const char* control, const char* named_by);

}  // namespace control_table

template <typename W>
void Form::build(QWidget& client, std::span<const ControlRow<W>> rows) {
    W& window = dynamic_cast<W&>(*this);
    for (const ControlRow<W>& row : rows) {
        QWidget& container = control_table::container(client, row.container);
        std::visit(
            [&]<typename C>(C* W::*member) {
                C* control = add<C>(container, row.name, row.rect, row.tab_index);
                control_table::set_up(*control, row.caption, row.extras);
                control->setEnabled(row.extras.enabled);
                control_table::bind(window, *control, row.on);
                window.*member = control;
            },
            row.control);
    }
    for (const ControlRow<W>& row : rows) {
        control_table::name(client, row.name, row.extras.named_by);
    }
}

}  // namespace ui
