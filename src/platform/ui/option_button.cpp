#include "platform/ui/option_button.h"

namespace ui {

OptionButton::OptionButton(QWidget* parent) : ToggleButton(parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            clicked_now();
        }
    });
}

}  // namespace ui
