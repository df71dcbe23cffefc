#include "shell/startup.h"

#include "shell/base.h"
#include "ui/application.h"

namespace shell {

int start(int argc, char** argv) {
    ui::Application application(argc, argv);
    // A database that cannot be read ends the program here, before the menu is shown.
    ui::guarded([] {
        base().Load();
        base().setVisible(true);
    });
    return application.exec();
}

}  // namespace shell
