#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>

#include "settings_handlers_fixture.h"

namespace brontel::test {
namespace {

// Counts the paints each watched widget receives.
class PaintCounter : public QObject {
public:
    void watch(QWidget& widget) {
        widget.installEventFilter(this);
        counts_[&widget] = 0;
    }
    int count(QWidget& widget) const { return counts_.at(&widget); }
    int total() const {
        int sum = 0;
        for (const auto& [widget, count] : counts_) sum += count;
        return sum;
    }
    void reset() {
        for (auto& [widget, count] : counts_) count = 0;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++counts_[static_cast<QWidget*>(watched)];
        return false;
    }

private:
    std::map<QWidget*, int> counts_;
};

struct RepaintCase {
    const char* change;
    std::function<void(SettingsHandlersTest&)> act;
    std::vector<ButtonState> faces;     // the faces that must repaint, the others must not
    std::vector<ButtonState> canvases;  // likewise for the canvases
};

class SettingsRepaintTest : public SettingsHandlersTest {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Rounded corners uncover part of each canvas, so that canvases have pixels to show.
        sharedField("角度").setContent("30");
        for (ButtonState state : kButtonStates) {
            counter.watch(face(state));
            counter.watch(canvas(state));
        }
    }

    // Lets the repaints through until the expected ones have come, then a little longer so
    // that a stray repaint has its chance to show.
    bool settle(const RepaintCase& c) {
        const bool expectedCame = QTest::qWaitFor([&] {
            for (ButtonState state : c.faces)
                if (counter.count(face(state)) == 0) return false;
            for (ButtonState state : c.canvases)
                if (counter.count(canvas(state)) == 0) return false;
            return true;
        });
        QTest::qWait(50);
        return expectedCame;
    }

    PaintCounter counter;
};

TEST_F(SettingsRepaintTest, AChangeRepaintsOnlyTheFacesItConcerns) {
    const RepaintCase cases[]{
        {"Hot gradient colour",
         [](auto& t) { t.picker(ButtonState::Hot, "渐变背景颜色1").pickColour(0x0000FF); },
         {ButtonState::Hot},
         {}},
        {"Disabled border",
         [](auto& t) { t.choose(t.combo(ButtonState::Disabled, "按钮效果"), "凸出式"); },
         {ButtonState::Disabled},
         {}},
        {"Pressed canvas colour",
         [](auto& t) { t.picker(ButtonState::Pressed, "按钮画布颜色").pickColour(0xFF0000); },
         {},
         {ButtonState::Pressed}},
        {"shared corner",
         [](auto& t) { t.sharedField("角度").setContent("30"); },
         {ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed, ButtonState::Disabled},
         {ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed, ButtonState::Disabled}},
    };
    for (const RepaintCase& c : cases) {
        SCOPED_TRACE(c.change);
        QTest::qWait(50);
        counter.reset();
        c.act(*this);
        EXPECT_TRUE(settle(c));
        for (ButtonState state : kButtonStates) {
            const bool face = std::ranges::find(c.faces, state) != c.faces.end();
            const bool canvasToo = std::ranges::find(c.canvases, state) != c.canvases.end();
            EXPECT_EQ(counter.count(this->face(state)) > 0, face) << "face " << indexOf(state);
            EXPECT_EQ(counter.count(this->canvas(state)) > 0, canvasToo)
                << "canvas " << indexOf(state);
        }
    }
}

}  // namespace
}  // namespace brontel::test
