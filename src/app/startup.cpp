#include "app/startup.h"

#include "accounts/logguer_form.h"
#include "addressbook/carnet.h"
#include "ftp/ftp_form.h"
#include "platform/ui/application.h"
#include "shell/base.h"

namespace app {

int start(int argc, char** argv) {
    ui::Application application(argc, argv);
    open_main_menu();
    return application.exec();
}

void open_main_menu() {
    ui::guarded([] {
        base().set_windows(&logguer(), &carnet(), &ftp());
        base().Load();
        base().setVisible(true);
    });
}

}  // namespace app
