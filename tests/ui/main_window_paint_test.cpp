#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <map>

#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/main_window.h"
#include "ui/vertical_tab_control.h"

namespace brontel {
namespace {

// Counts the paint events of the board's faces, canvases and selection frame.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(const FaceBoard& board) {
        for (ButtonState state : kButtonStates) {
            watch(board.face(state));
            watch(board.canvas(state));
        }
        watch(board.selectionFrame());
    }

    int paintsOf(const QWidget& widget) const { return counts_.at(&widget); }
    void reset() {
        for (auto& [widget, count] : counts_) count = 0;
    }

    // Lets the window repaint until `widget` has been painted, and a little longer, so that
    // every paint the change caused has happened.
    bool waitForPaintOf(const QWidget& widget) const {
        QElapsedTimer clock;
        clock.start();
        while (counts_.at(&widget) == 0 && clock.elapsed() < 5000) QTest::qWait(5);
        QTest::qWait(50);
        return counts_.at(&widget) > 0;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++counts_[static_cast<QWidget*>(watched)];
        return false;
    }

private:
    void watch(QWidget& widget) {
        counts_[&widget] = 0;
        widget.installEventFilter(this);
    }

    std::map<const QWidget*, int> counts_;
};

class MainWindowPaintTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(counter.waitForPaintOf(board.face(ButtonState::Normal)));
        counter.reset();
    }

    void expectOnlyPainted(const QWidget& painted) {
        for (ButtonState state : kButtonStates) {
            for (const QWidget* other : {&board.face(state), &board.canvas(state)}) {
                if (other == &painted) continue;
                EXPECT_EQ(counter.paintsOf(*other), 0) << other->objectName().toStdString();
            }
        }
    }

    MainWindow window;
    FaceBoard& board = window.board();
    PaintCounter counter{board};
};

TEST_F(MainWindowPaintTest, PageChangeRepaintsOnlyTheSelectionFrame) {
    window.settingsTabs().setCurrentPage(3);
    ASSERT_TRUE(counter.waitForPaintOf(board.selectionFrame()));
    expectOnlyPainted(board.selectionFrame());
}

TEST_F(MainWindowPaintTest, FaceChangeRepaintsOnlyThatFace) {
    FaceWidget& hot = board.face(ButtonState::Hot);
    hot.changeStyle([](FaceStyle& style) { style.setBackColour(0x0000FF); });
    ASSERT_TRUE(counter.waitForPaintOf(hot));
    expectOnlyPainted(hot);
    EXPECT_EQ(counter.paintsOf(board.selectionFrame()), 0);
}

}  // namespace
}  // namespace brontel
