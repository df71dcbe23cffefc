// Process start: the application object, the main menu loaded and shown, and the event loop.
#pragma once

namespace app {

int start(int argc, char** argv);

// The main menu loaded with its three windows and shown, once the application object is
// there; a database that cannot be read ends the program here.
void open_main_menu();

}  // namespace app
