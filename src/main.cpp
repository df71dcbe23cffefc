// guichet: starts the program.
#include "shell/startup.h"

int main(int argc, char** argv) {
    return shell::start(argc, argv);
}
