// Ends the probe once the event loop first runs, which is right after the menu is shown.
#include <QCoreApplication>
#include <QTimer>

#include "platform/ui/application.h"

namespace {

void quit_when_idle() {
    QTimer::singleShot(0, [] { ui::End(); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(quit_when_idle)
