// A minimal Qt Widgets program: one window of four buttons, shown, then the process ends.
#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    for (const char* caption : {"Login", "Adress Book", "FTP", "Exit"}) {
        layout->addWidget(new QPushButton(caption));
    }
    window.show();
    QTimer::singleShot(0, [] { _exit(0); });
    return application.exec();
}
