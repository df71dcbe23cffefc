#include "platform/ui/control_table.h"

#include "platform/ui/accessible_name.h"
#include "platform/ui/table_build.h"

namespace ui {

namespace table_error {
void two_rows_have_one_name() {}
void two_rows_have_one_member() {}
void a_container_is_no_frame_of_an_earlier_row() {}
void a_namer_is_no_label_frame_or_check_box_of_the_table() {}
void two_controls_that_take_the_focus_have_one_tab_index() {}
}  // namespace table_error

namespace control_table {

void name_by(Label& label, QWidget& control) {
    set_label(label, control);
}

void name_by(Frame& frame, QWidget& control) {
    set_label(frame, control);
}

// A box under no label of its own, switched on by the check box.
void name_by(CheckBox& check_box, QWidget& control) {
    set_accessible_name(control, check_box.text());
}

}  // namespace control_table

}  // namespace ui
