#include "ui/application_shell.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "ui/face_board.h"
#include "ui/main_window.h"
#include "ui/platform.h"
#include "ui/vertical_tab_control.h"

namespace brontel {
namespace {

TEST(ApplicationShell, StartsWithEmptySharedStateAndNoWindow) {
    ApplicationShell shell;
    const SharedSettings& shared = shell.sharedSettings();
    for (ButtonState state : kButtonStates) {
        EXPECT_TRUE(shared.stateTexts[indexOf(state)].empty());
        EXPECT_TRUE(shared.stateImages[indexOf(state)].empty());
    }
    EXPECT_TRUE(shared.editingText.empty());
    EXPECT_EQ(shell.mainWindow(), nullptr);
}

TEST(ApplicationShell, OpensTheWindowAfterMakingTheOutputFolder) {
    ApplicationShell shell;
    shell.openMainWindow();
    ASSERT_NE(shell.mainWindow(), nullptr);
    EXPECT_TRUE(shell.mainWindow()->isVisible());
    EXPECT_TRUE(QFileInfo(outputDir()).isDir());
    // The page-changed reaction has not run: the stored tab colours and the frame stay.
    const VerticalTabControl& tabs = shell.mainWindow()->settingsTabs();
    EXPECT_EQ(tabs.currentPage(), 0);
    EXPECT_EQ(tabs.hotTabColour(), 0xFFC4FFu);
    EXPECT_EQ(tabs.currentTabColour(), 0xFFBBFFu);
    EXPECT_EQ(shell.mainWindow()->board().selectionFrame().pos(), QPoint(10, 29));
}

TEST(ApplicationShell, ClosingTheMainWindowEndsTheEventLoop) {
    ApplicationShell shell;
    shell.openMainWindow();
    bool gaveUp = false;
    QTimer::singleShot(0, shell.mainWindow(), [&shell] { shell.mainWindow()->close(); });
    QTimer::singleShot(10000, qApp, [&gaveUp] {
        gaveUp = true;
        QApplication::quit();
    });
    QApplication::exec();
    EXPECT_FALSE(gaveUp) << "the event loop went on after the main window was closed";
}

}  // namespace
}  // namespace brontel
