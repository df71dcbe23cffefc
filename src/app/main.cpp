// guichet: starts the program.
#include "app/startup.h"

int main(int argc, char** argv) {
    return app::start(argc, argv);
}
