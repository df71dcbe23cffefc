// The frame that a window manager puts around a form's window, asked for before the window is
// first shown so that the outer size is right from the first position on, and the places
// asked of the window system in the screen's own pixels.
#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace ui {

// Makes `window` a fixed window that can be moved but not maximised, minimised or closed by
// the window manager, and returns the frame it will get, in the screen's pixels: none on X11
// without a window manager; off X11, the frame that the platform itself reports.
QMargins prepare_frame(QWidget& window);

// Puts the client area of `window` at `client`, in the screen's pixels.
void place_exactly(QWidget& window, QPoint client);

// The window manager's frame that holds `window` now, as the window system names it: the
// root window when none does; 0 off X11.
unsigned current_frame(QWidget& window);

// After hiding a framed window: waits until the window manager has given it back, so that
// showing it again lets the manager frame it anew.
void wait_until_released(QWidget& window);

// A window manager that frames a window again, after it was hidden and shown, may put it a
// pixel or two off its place; this asks for the client's place (in the screen's pixels) once
// the window stands in a frame other than `old_frame`.
void place_again_once_framed_anew(QWidget& window, QPoint client, unsigned old_frame);

}  // namespace ui
