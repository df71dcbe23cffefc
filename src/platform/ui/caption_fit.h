// Captions in a face wider than the one the forms were laid out in: a label, check box or
// option button whose caption does not fit its box grows to the right into the free room
// beside it, never over a neighbour or past its container's edge. Nothing else moves.
#pragma once

class QWidget;

namespace ui {

// Applied to every control inside `client`, once its controls are placed and captioned.
void fit_captions(QWidget& client);

}  // namespace ui
