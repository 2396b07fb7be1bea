// Brontel's own start-up, as its main runs it, ending once the main window has been
// painted: what the start-up measurement times against the minimal window.
#include <QApplication>

#include "quit_when_shown.h"
#include "ui/application_shell.h"
#include "ui/main_window.h"

int main(int, char** argv) {
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    brontel::ApplicationShell shell;
    shell.openMainWindow();
    brontel::bench::QuitWhenShown quit(*shell.mainWindow());
    return application.exec();
}
