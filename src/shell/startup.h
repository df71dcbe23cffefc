// Process start: the application object, the main menu loaded and shown, and the event loop.
#pragma once

namespace shell {

int start(int argc, char** argv);

}  // namespace shell
