// The baseline of the start-up measurement: a Qt Widgets program that shows one empty
// 800 x 592 window and ends once it has been painted.
#include <QApplication>
#include <QWidget>

#include "quit_when_shown.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(800, 592);
    brontel::bench::QuitWhenShown quit(window);
    window.show();
    return application.exec();
}
