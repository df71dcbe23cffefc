#include "ui/accessible_name.h"

namespace ui {

void set_accessible_name(QWidget& control, const QString& name) {
    control.setAccessibleName(name);
    if (QWidget* proxy = control.focusProxy()) {
        proxy->setAccessibleName(name);
    }
}

}  // namespace ui
