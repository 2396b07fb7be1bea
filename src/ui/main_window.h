#pragma once

#include <QWidget>
#include <memory>

#include "model/button_state.h"

namespace brontel {

class FaceBoard;
class VerticalTabControl;
struct SettingsPage;
struct SharedGroup;

// The program's only long-lived window. Its controls hold the whole design: the settings
// tab control with one page per state on the left, the logo below it, the preview board on
// the right and the shared settings below the board.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Creates every control in its initial state, then lets the window's own reactions in:
    // none runs while the window is being built.
    MainWindow();
    ~MainWindow() override;

    FaceBoard& board() const;
    VerticalTabControl& settingsTabs() const;
    SettingsPage& settingsPage(ButtonState state) const;
    SharedGroup& sharedGroup() const;

private:
    struct Areas;

    void buildSettingsColumn();
    void connectBoardToTabs();
    void showPageSelection(int page);

    std::unique_ptr<Areas> areas_;
};

}  // namespace brontel
