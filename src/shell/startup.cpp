#include "shell/startup.h"

#include "addressbook/carnet.h"
#include "ftp/ftp_form.h"
#include "shell/base.h"
#include "ui/application.h"

namespace shell {

int start(int argc, char** argv) {
    ui::Application application(argc, argv);
    // A database that cannot be read ends the program here, before the menu is shown.
    ui::guarded([] {
        // The login window comes with the accounts; until then its button only closes.
        base().set_windows(nullptr, &carnet(), &ftp());
        base().Load();
        base().setVisible(true);
    });
    return application.exec();
}

}  // namespace shell
