#include "platform/ui/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/ui/twips.h"

namespace ui::Screen {

int Width() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? to_twips_x(screen->geometry().width()) : 0;
}

int Height() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? to_twips_y(screen->geometry().height()) : 0;
}

}  // namespace ui::Screen
