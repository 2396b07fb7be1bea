#include <QApplication>
#include <cstdio>

#include "app/desktop_session.h"
#include "ui/application_shell.h"

// Brontel takes no command-line arguments: every start begins from the same state.
int main(int, char** argv) {
    if (!brontel::hasDesktopSession()) {
        std::fputs(brontel::noDesktopSessionMessage().c_str(), stderr);
        return 2;
    }
    int toolkitArgc = 1;  // the program's own name only: no argument reaches the toolkit
    QApplication application(toolkitArgc, argv);
    brontel::ApplicationShell shell;
    shell.openMainWindow();
    return application.exec();
}
