// The shared module's placement procedures: working windows slide in from the right edge
// of the screen onto a baseline 400 twips above its bottom; dialogs rise from that
// baseline to the left of the windows below them; closing reverses the movement and
// unloads. Each acts on the top window of Forms.
#pragma once

namespace Module1 {

void show_window();
void show_dialog();
void show_dialog2();
void close_dialog();
void close_dialogs();
void close_windows();

}  // namespace Module1
