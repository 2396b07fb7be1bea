#include "ui/application_shell.h"

#include "ui/dialog_wiring.h"
#include "ui/main_window.h"
#include "ui/platform.h"
#include "ui/settings_handlers.h"

namespace brontel {

ApplicationShell::ApplicationShell() = default;

ApplicationShell::~ApplicationShell() = default;

void ApplicationShell::openMainWindow() {
    window_ = std::make_unique<MainWindow>();
    connectSettingsHandlers(*window_, shared_, dialogs_);
    connectDialogHandlers(*window_, shared_);
    onMainWindowCreated();
    window_->show();
}

// A folder that exists already is left as it is, and one that cannot be made shows only
// when exporting into it fails: start-up reports nothing.
void ApplicationShell::onMainWindowCreated() {
    makeOutputDir();
}

}  // namespace brontel
