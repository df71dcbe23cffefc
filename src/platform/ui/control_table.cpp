#include "platform/ui/control_table.h"

#include <stdexcept>
#include <string>

#include "platform/ui/accessible_name.h"

namespace ui::control_table {

namespace {

// A row naming a frame or a namer that its window lacks is a mistake of the table.
[[noreturn]] void wrong_table(const std::string& what) {
    throw std::logic_error("control table: " + what);
}

}  // namespace

void set_up(CommandButton& button, std::u16string_view caption, const Extras& /*extras*/) {
    button.setCaption(vb::String(caption));
}

void set_up(Label& label, std::u16string_view caption, const Extras& extras) {
    label.setCaption(vb::String(caption));
    if (const Font* font = extras.font) {
        label.setFont(QString::fromLatin1(font->face), font->bold, font->points);
    }
    label.setSpoken(extras.spoken);  // after the first caption, which is no news
}

void set_up(Frame& frame, std::u16string_view caption, const Extras& /*extras*/) {
    frame.setCaption(vb::String(caption));
}

void set_up(CheckBox& check_box, std::u16string_view caption, const Extras& /*extras*/) {
    check_box.setCaption(vb::String(caption));
}

void set_up(OptionButton& button, std::u16string_view caption, const Extras& extras) {
    button.setCaption(vb::String(caption));
    if (extras.selected) {
        button.setValue(true);
    }
}

// The text goes in last: where it goes depends on the number of lines.
void set_up(TextBox& box, std::u16string_view text, const Extras& extras) {
    if (extras.multi_line) {
        box.setMultiLine(true, extras.scroll_bars);
    }
    if (extras.password_char != 0) {
        box.setPasswordChar(extras.password_char);
    }
    if (!text.empty()) {
        box.setText(vb::String(text));
    }
}

void set_up(ComboBox& box, std::u16string_view text, const Extras& extras) {
    if (extras.style != ComboBox::Style::kDropDownCombo) {
        box.setStyle(extras.style);
    }
    if (!text.empty()) {
        box.setText(vb::String(text));
    }
}

// Sorted before the first item goes in, so that the item stands at its sorted place.
void set_up(ListBox& list, std::u16string_view first_item, const Extras& extras) {
    if (extras.sorted) {
        list.setSorted(true);
    }
    if (extras.multi_select != ListBox::MultiSelect::kNone) {
        list.setMultiSelect(extras.multi_select);
    }
    if (extras.columns) {
        list.setColumns(true);
    }
    if (!first_item.empty()) {
        list.AddItem(vb::String(first_item));
    }
}

void set_up(DriveListBox& /*drives*/, std::u16string_view /*caption*/, const Extras& /*extras*/) {}

QWidget& container(QWidget& client, const char* frame) {
    if (frame == kWindow) {
        return client;
    }
    auto* container = client.findChild<Frame*>(QString::fromLatin1(frame));
    if (container == nullptr) {
        wrong_table(std::string("no frame ") + frame + " above its controls");
    }
    return *container;
}

void name(QWidget& client, const char* control, const char* named_by) {
    if (named_by == nullptr) {
        return;
    }
    auto& box = *client.findChild<QWidget*>(QString::fromLatin1(control));
    auto* namer = client.findChild<QWidget*>(QString::fromLatin1(named_by));
    if (auto* label = dynamic_cast<Label*>(namer)) {
        set_label(*label, box);
    } else if (auto* frame = dynamic_cast<Frame*>(namer)) {
        set_label(*frame, box);
    } else if (auto* check_box = dynamic_cast<CheckBox*>(namer)) {
        // A box under no label of its own, switched on by the check box.
        set_accessible_name(box, check_box->text());
    } else {
        wrong_table(std::string(named_by) + " cannot name " + control);
    }
}

}  // namespace ui::control_table
