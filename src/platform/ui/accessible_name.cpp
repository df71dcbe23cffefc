#include "platform/ui/accessible_name.h"

#include "platform/ui/spoken.h"

namespace ui {

// Every name set is an event for a screen reader, the same name again too.
void set_own_accessible_name(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name) {
        widget.setAccessibleName(name);
    }
}

void set_accessible_name(QWidget& control, const QString& name) {
    QWidget* proxy = control.focusProxy();
    // A screen reader passes over a new name of the control it is in (a list's, above all):
    // told as news, the folder that the focused list now shows is heard.
    const bool news = name != control.accessibleName() &&
                      (control.hasFocus() || (proxy != nullptr && proxy->hasFocus()));
    set_own_accessible_name(control, name);
    if (proxy != nullptr) {
        set_own_accessible_name(*proxy, name);
    }
    if (news) {
        announce(control, name);
    }
}

}  // namespace ui
