#include "ui/application.h"

#include "ui/input_hold.h"

#include <QFont>
#include <QMessageBox>

#include <unistd.h>
#include <cstdio>

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Guichet"));
    // The main menu ends the program through "Exit", never because a window closed.
    setQuitOnLastWindowClosed(false);
    // The forms were laid out in MS Sans Serif at 8.25 points; where it is missing, a free
    // face of close widths stands in, so that captions fit their controls as designed.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void report_and_end(const vb::RuntimeError& error) {
    // An error raised while the message box is up (by a paint, say) must not report again.
    static bool reporting = false;
    if (reporting) {
        _exit(1);
    }
    reporting = true;
    const std::string text = vb::report_text(error);
    std::fputs((text + "\n").c_str(), stderr);
    std::fflush(stderr);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
        QGuiApplication::platformName() != QLatin1String("offscreen")) {
        release_input_holds();
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Guichet"),
                        QString::fromStdString(text), QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
    _exit(1);
}

// Posted events first, so that what a handler posted runs before this returns; a window
// deleted later stays until control is back in the loop that deleted it.
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
