#pragma once

#include <memory>

#include "model/shared_settings.h"
#include "ui/chooser_dialogs.h"

namespace brontel {

class MainWindow;

// The program from start-up to exit. It owns the shared settings, which live as long as it
// does: their texts and captured images are freed when it goes, after the main window.
// Construct it once the windowing toolkit is up.
class ApplicationShell {
public:
    ApplicationShell();
    ~ApplicationShell();

    // Creates the main window, runs its created event (which makes the output folder) and
    // shows it without blocking. Call once; the event loop then runs until it is closed.
    void openMainWindow();

    SharedSettings& sharedSettings() { return shared_; }
    MainWindow* mainWindow() const { return window_.get(); }

private:
    static void onMainWindowCreated();

    SharedSettings shared_;
    DesktopChooserDialogs dialogs_;
    // Declared after the settings and dialogs, so the window and its handlers go before them.
    std::unique_ptr<MainWindow> window_;
};

}  // namespace brontel
