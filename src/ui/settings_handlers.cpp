#include "ui/settings_handlers.h"

#include "ui/chooser_handlers.h"
#include "ui/face_board.h"
#include "ui/main_window.h"
#include "ui/shared_settings_handlers.h"
#include "ui/state_page_handlers.h"

namespace brontel {

void connectSettingsHandlers(const MainWindow& window, SharedSettings& shared,
                             ChooserDialogs& dialogs) {
    for (ButtonState state : kButtonStates) {
        const SettingsPage& page = window.settingsPage(state);
        connectStatePageHandlers(page, window.board().face(state), window.board().canvas(state));
        connectChooserHandlers(page, window.board().face(state), dialogs);
    }
    connectSharedSettingsHandlers(window, shared, dialogs);
}

}  // namespace brontel
