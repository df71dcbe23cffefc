#include "platform/ui/application.h"

#include "platform/ui/input_hold.h"

#include <QFont>
#include <QMessageBox>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace ui {

namespace {

// Where an X display is reachable the program runs on X11, through XWayland on a Wayland
// session, since a Wayland client cannot place its own windows; with no X server it runs
// on whatever Qt finds. A platform chosen explicitly, by variable or by -platform, stands.
int& with_platform_chosen(int& argc, char** argv) {
    const bool chosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
                        std::any_of(argv, argv + argc, [](const char* argument) {
                            return std::strcmp(argument, "-platform") == 0;
                        });
    if (!chosen && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
    return argc;
}

}  // namespace

Application::Application(int& argc, char** argv)
    : QApplication(with_platform_chosen(argc, argv), argv) {
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

// Events are still delivered once a report has begun: the report's own box lives on them.
// The system's handlers are held back in guarded() instead.
bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    reporting_errors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

namespace {

bool reporting = false;

constexpr int kReportStatus = 1;

}  // namespace

bool report_begun() {
    return reporting;
}

void report_and_end(const vb::RuntimeError& error) {
    // An error raised while the message box is up (by a paint, say) must not report again.
    if (reporting) {
        _exit(kReportStatus);
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
        // However it ends (its button, a close by the window manager, a request to quit),
        // nothing else is waited for.
        box.exec();
    }
    _exit(kReportStatus);
}

// Posted events first, so that what a handler posted runs before this returns; a window
// deleted later stays until control is back in the loop that deleted it.
void DoEvents() {
    show_pending_texts();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void End() {
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(reporting ? kReportStatus : 0);
}

}  // namespace ui
