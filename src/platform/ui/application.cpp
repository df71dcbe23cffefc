#include "ui/application.h"

#include <QMessageBox>

#include <unistd.h>
#include <cstdio>

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Guichet"));
    // The main menu ends the program through "Exit", never because a window closed.
    setQuitOnLastWindowClosed(false);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void report_and_end(const vb::RuntimeError& error) {
    const std::string text = vb::report_text(error);
    std::fputs((text + "\n").c_str(), stderr);
    std::fflush(stderr);
    if (qApp != nullptr && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Guichet"),
                        QString::fromStdString(text), QMessageBox::Ok);
        box.exec();
    }
    _exit(1);
}

void DoEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void End() {
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(0);
}

}  // namespace ui
