// The frame that a window manager puts around a form's window: asked for before the window
// is first shown, so that the outer size is right from the first position on.
#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

namespace ui {

// Makes `window` a fixed window that can be moved but not maximised, minimised or closed by
// the window manager, and returns the frame it will get, in the toolkit's pixels: none on X11
// without a window manager; off X11, the frame that the platform itself reports.
QMargins prepare_frame(QWidget& window);

// A window manager that frames a window again, after it was hidden and shown, may put it a
// border's width off its place; this asks for the client's place once the window is framed.
void place_again_once_framed(QWidget& window, QPoint client);

}  // namespace ui
