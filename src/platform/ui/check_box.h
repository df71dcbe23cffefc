// The check box: a caption, a Value of 0 (unchecked) or 1 (checked), and a Click handler
// that runs whenever the value changes, by the user or by code.
#pragma once

#include <QCheckBox>

#include "platform/ui/toggle_button.h"

namespace ui {

class CheckBox final : public ToggleButton<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent);

    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
};

}  // namespace ui
