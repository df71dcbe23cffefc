#include "platform/ui/check_box.h"

namespace ui {

CheckBox::CheckBox(QWidget* parent) : ToggleButton(parent) {
    connect(this, &QCheckBox::stateChanged, this, [this] { clicked_now(); });
}

}  // namespace ui
