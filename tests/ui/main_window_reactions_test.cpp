#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ui/combo_box.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/group_box.h"
#include "ui/main_window.h"
#include "ui/settings_page.h"
#include "ui/vertical_tab_control.h"

namespace brontel {
namespace {

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

class MainWindowReactionsTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    FaceWidget& face(ButtonState state) { return window.board().face(state); }
    VerticalTabControl& tabs() { return window.settingsTabs(); }
    QPoint framePlace() { return window.board().selectionFrame().pos(); }

    // Press and release the left button at a point of `widget`, delivered through the window
    // as the desktop would, so whatever lies on top there receives it.
    void clickAt(QWidget& widget, QPoint point) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, widget.mapTo(&window, point));
    }

    void clickFace(ButtonState state) { clickAt(face(state), QPoint(30, 30)); }

    // The colour the tab is drawn with, away from its title and its outline; the pointer is
    // over no tab.
    QColor drawnTabColour(int page) {
        return tabs().grab().toImage().pixelColor(tabs().tabRect(page).topLeft() + QPoint(2, 2));
    }

    MainWindow window;
};

TEST_F(MainWindowReactionsTest, StartsOnTheNormalPageWithTheStoredTabColours) {
    EXPECT_EQ(tabs().currentPage(), 0);
    EXPECT_TRUE(window.settingsPage(ButtonState::Normal).group->isVisible());
    EXPECT_EQ(drawnTabColour(0), toQColor(0xFFBBFF));
    EXPECT_EQ(framePlace(), QPoint(10, 29));
}

struct FaceRelease {
    ButtonState state;
    int page;
    QPoint framePlace;
    Colour hotTab;
    Colour currentTab;
};

TEST_F(MainWindowReactionsTest, ReleasingOverAFaceShowsItsPageRecoloursTabsAndMovesTheFrame) {
    const FaceRelease releases[]{
        {ButtonState::Disabled, 3, {285, 253}, 0xA2FAFA, 0x28F2F2},
        {ButtonState::Pressed, 2, {10, 253}, 0x5BF35B, 0x9BFF9B},
        {ButtonState::Hot, 1, {285, 29}, 0xFFAD55, 0xFFD2A2},
        {ButtonState::Normal, 0, {10, 29}, 0xFF98FF, 0xFFA8FF},
    };
    for (const FaceRelease& release : releases) {
        SCOPED_TRACE(release.page);
        clickFace(release.state);
        EXPECT_EQ(tabs().currentPage(), release.page);
        for (ButtonState state : kButtonStates) {
            EXPECT_EQ(window.settingsPage(state).group->isVisible(), state == release.state);
        }
        EXPECT_EQ(framePlace(), release.framePlace);
        EXPECT_EQ(tabs().hotTabColour(), release.hotTab);
        EXPECT_EQ(tabs().currentTabColour(), release.currentTab);
        EXPECT_EQ(drawnTabColour(release.page), toQColor(release.currentTab));
    }
    // Back on the Normal page the tab no longer shows the colour it started with.
    EXPECT_NE(drawnTabColour(0), toQColor(0xFFBBFF));
    EXPECT_EQ(tabs().tabColour(), 0xFFFFFFu);
}

TEST_F(MainWindowReactionsTest, ReleasingOverTheShownPagesFaceChangesNothing) {
    QSignalSpy changes(&tabs(), &VerticalTabControl::pageChanged);
    clickFace(ButtonState::Normal);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(tabs().hotTabColour(), 0xFFC4FFu);
    EXPECT_EQ(tabs().currentTabColour(), 0xFFBBFFu);
    EXPECT_EQ(framePlace(), QPoint(10, 29));
}

TEST_F(MainWindowReactionsTest, CutAwayCornersAndTheFrameRimDoNotReact) {
    FaceWidget& disabled = face(ButtonState::Disabled);
    disabled.setRoundedRegion(270, 220, 40);
    clickAt(disabled, QPoint(1, 1));  // the canvas lies there
    clickAt(window.board().selectionFrame(), QPoint(0, 100));
    EXPECT_EQ(tabs().currentPage(), 0);
    EXPECT_EQ(framePlace(), QPoint(10, 29));

    clickAt(disabled, QPoint(135, 110));  // the rounded face itself still reacts
    EXPECT_EQ(tabs().currentPage(), 3);
}

TEST_F(MainWindowReactionsTest, ClickingATabActsAsReleasingOverItsFace) {
    QTest::mouseClick(&tabs(), Qt::LeftButton, {}, tabs().tabRect(3).center());
    EXPECT_EQ(tabs().currentPage(), 3);
    EXPECT_EQ(framePlace(), QPoint(285, 253));
    EXPECT_EQ(tabs().currentTabColour(), 0x28F2F2u);
}

TEST_F(MainWindowReactionsTest, SwitchingPagesKeepsThePagesControls) {
    ComboBox& border = *window.settingsPage(ButtonState::Normal).border;
    border.setCurrentIndex(6);
    clickFace(ButtonState::Hot);
    clickFace(ButtonState::Normal);
    EXPECT_EQ(border.currentIndex(), 6);
}

}  // namespace
}  // namespace brontel
