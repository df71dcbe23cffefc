// The Screen object: the size of the primary screen in twips, read afresh on every call.
#pragma once

namespace ui::Screen {

int Width();
int Height();

}  // namespace ui::Screen
