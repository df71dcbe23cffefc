// The option button: one of a group, the group being its frame (or the window). Its Click
// runs when it becomes the chosen one.
#pragma once

#include <QRadioButton>

#include "platform/ui/toggle_button.h"

namespace ui {

class OptionButton final : public ToggleButton<QRadioButton> {
public:
    explicit OptionButton(QWidget* parent);

    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }
};

}  // namespace ui
