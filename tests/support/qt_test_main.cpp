// The main of the test executables that need the toolkit: the application object first,
// headless unless a platform is named, then every test.
#include <gtest/gtest.h>

#include "platform/ui/application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    ui::Application application(argc, argv);
    return RUN_ALL_TESTS();
}
