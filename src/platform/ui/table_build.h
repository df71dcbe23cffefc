// What a row of a window's table sets on the control it builds: its caption, text or first
// item with its kind's options, its handlers, and the name a screen reader speaks.
#pragma once

#include <string_view>
#include <variant>

#include "platform/ui/control_table.h"

namespace ui::control_table {

inline void set_up(CommandButton& button, std::u16string_view caption,
                   const auto& /*options*/) {
    button.setCaption(vb::String(caption));
}

template <typename W>
void set_up(Label& label, std::u16string_view caption, const LabelOptions<W>& options) {
    label.setCaption(vb::String(caption));
    if (const Font* font = options.font) {
        label.setFont(QString::fromLatin1(font->face), font->bold, font->points);
    }
    label.setSpoken(options.spoken);  // after the first caption, which is no news
}

inline void set_up(Frame& frame, std::u16string_view caption, const auto& /*options*/) {
    frame.setCaption(vb::String(caption));
}

inline void set_up(CheckBox& check_box, std::u16string_view caption, const auto& /*options*/) {
    check_box.setCaption(vb::String(caption));
}

template <typename W>
void set_up(OptionButton& button, std::u16string_view caption,
            const OptionButtonOptions<W>& options) {
    button.setCaption(vb::String(caption));
    if (options.selected) {
        button.setValue(true);
    }
}

// The text goes in last: where it goes depends on the number of lines.
template <typename W>
void set_up(TextBox& box, std::u16string_view text, const TextBoxOptions<W>& options) {
    if (options.multi_line) {
        box.setMultiLine(true, options.scroll_bars);
    }
    if (options.password_char != 0) {
        box.setPasswordChar(options.password_char);
    }
    if (!text.empty()) {
        box.setText(vb::String(text));
    }
}

template <typename W>
void set_up(ComboBox& box, std::u16string_view text, const ComboBoxOptions<W>& options) {
    if (options.style != ComboBox::Style::kDropDownCombo) {
        box.setStyle(options.style);
    }
    if (!text.empty()) {
        box.setText(vb::String(text));
    }
}

// Sorted before the first item goes in, so that the item stands at its sorted place.
template <typename W>
void set_up(ListBox& list, std::u16string_view first_item, const ListBoxOptions<W>& options) {
    if (options.sorted) {
        list.setSorted(true);
    }
    if (options.multi_select != ListBox::MultiSelect::kNone) {
        list.setMultiSelect(options.multi_select);
    }
    if (options.columns) {
        list.setColumns(true);
    }
    if (!first_item.empty()) {
        list.AddItem(vb::String(first_item));
    }
}

inline void set_up(DriveListBox& /*drives*/, std::u16string_view /*caption*/,
                   const auto& /*options*/) {}

// Binds each handler the options give to the control's event of that name.
template <typename W, typename C>
void bind(W& window, C& control, const Options<W, C>& options) {
    auto run = [&window](Handler<W> handler) {
        return [&window, handler] { (window.*handler)(); };
    };
    if constexpr (requires { options.enabled; }) {
        control.setEnabled(options.enabled);
    }
    if constexpr (requires { options.click; }) {
        if (options.click != nullptr) {
            control.onClick(run(options.click));
        }
    }
    if constexpr (requires { options.dbl_click; }) {
        if (options.dbl_click != nullptr) {
            control.onDblClick(run(options.dbl_click));
        }
    }
    if constexpr (requires { options.change; }) {
        if (options.change != nullptr) {
            control.onChange(run(options.change));
        }
    }
}

// Gives `control` its namer's caption as the name a screen reader speaks.
void name_by(Label& label, QWidget& control);
void name_by(Frame& frame, QWidget& control);
void name_by(CheckBox& check_box, QWidget& control);

// Once every control exists, since the namer may stand in a later row.
template <typename W>
void name(W& window, const ControlRow<W>& row) {
    std::visit(
        [&window]<typename C>(const Control<W, C>& control) {
            if constexpr (requires { control.options.named_by; }) {
                const Namer<W>& namer = control.options.named_by;
                QWidget& named = *(window.*control.member);
                if (namer.label != nullptr) {
                    name_by(*(window.*namer.label), named);
                } else if (namer.frame != nullptr) {
                    name_by(*(window.*namer.frame), named);
                } else if (namer.check_box != nullptr) {
                    name_by(*(window.*namer.check_box), named);
                }
            }
        },
        row.control);
}

}  // namespace ui::control_table
