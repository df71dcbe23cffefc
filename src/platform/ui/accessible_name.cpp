#include "ui/accessible_name.h"

#include "ui/spoken.h"

namespace ui {

void set_accessible_name(QWidget& control, const QString& name) {
    QWidget* proxy = control.focusProxy();
    // A screen reader passes over a new name of the control it is in (a list's, above all):
    // told as news, the folder that the focused list now shows is heard.
    const bool news = name != control.accessibleName() &&
                      (control.hasFocus() || (proxy != nullptr && proxy->hasFocus()));
    control.setAccessibleName(name);
    if (proxy != nullptr) {
        proxy->setAccessibleName(name);
    }
    if (news) {
        announce(control, name);
    }
}

}  // namespace ui
