// Real pointer delivery through the window, so implicit grabs, enter and leave behave as
// they do on a desktop.
#define QTEST_QPA_MOUSE_HANDLING

#include "ui/state_image_button.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "export/bmp_encoder.h"
#include "export/rounded_region.h"

namespace brontel {
namespace {

using Visual = StateImageButton::VisualState;

const QColor kNormal(200, 0, 0);
const QColor kHot(0, 200, 0);
const QColor kPressed(0, 0, 200);
const QColor kDisabled(120, 120, 120);
const QColor kBlack(0, 0, 0);

constexpr QSize kButtonSize(100, 60);
constexpr QPoint kButtonPlace(20, 20);
const QPoint kInside(50, 30);
const QPoint kElsewhereInside(60, 35);
const QPoint kOutside(-10, -10);  // over the host, left of and above the button

Bytes solidBmp(QColor colour, QSize size = kButtonSize) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encodeBmp(image);
}

QColor colourOf(Visual state) {
    switch (state) {
        case Visual::Normal:
            return kNormal;
        case Visual::Hot:
            return kHot;
        case Visual::Pressed:
            return kPressed;
    }
    return {};
}

// A button on a shown window, with the four pictures in four colours.
class StateImageButtonTest : public ::testing::Test {
public:
    void SetUp() override {
        host_ = std::make_unique<QWidget>();
        host_->resize(200, 150);
        button_ = new StateImageButton(host_.get());
        button_->setGeometry(QRect(kButtonPlace, kButtonSize));
        button_->setNormalPicture(solidBmp(kNormal));
        button_->setHotPicture(solidBmp(kHot));
        button_->setPressedPicture(solidBmp(kPressed));
        button_->setDisabledPicture(solidBmp(kDisabled));
        host_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host_.get()));
        // The desktop ignores a move to where the pointer already is, so start elsewhere.
        moveTo(kOutside);
    }

    // What the screen shows at a point of the button, after pending paints.
    QColor shownAt(QPoint point) {
        QCoreApplication::processEvents();
        const QPoint place = inWindow(point);
        const QImage shot =
            host_->screen()->grabWindow(host_->winId(), place.x(), place.y(), 1, 1).toImage();
        return shot.pixelColor(0, 0);
    }

    QWindow* window() { return host_->windowHandle(); }
    QPoint inWindow(QPoint buttonPoint) { return button_->mapTo(host_.get(), buttonPoint); }

    void moveTo(QPoint buttonPoint) {
        pointer_ = buttonPoint;
        QTest::mouseMove(window(), inWindow(buttonPoint));
    }
    void press(Qt::MouseButton which = Qt::LeftButton) {
        QTest::mousePress(window(), which, {}, inWindow(pointer_));
    }
    void release(Qt::MouseButton which = Qt::LeftButton) {
        QTest::mouseRelease(window(), which, {}, inWindow(pointer_));
    }

    std::unique_ptr<QWidget> host_;
    StateImageButton* button_ = nullptr;
    QPoint pointer_ = kOutside;
};

enum class Act { MoveIn, MoveElsewhereIn, MoveOut, Press, Release, PressRight, ReleaseRight };

struct Step {
    Act act;
    Visual expected;
};

struct PointerCase {
    const char* name;
    std::vector<Step> steps;
    int clicks;
};

const std::vector<PointerCase> kPointerCases{
    {"hover in and out", {{Act::MoveIn, Visual::Hot}, {Act::MoveOut, Visual::Normal}}, 0},
    {"click, then the next move lights it again",
     {{Act::MoveIn, Visual::Hot},
      {Act::Press, Visual::Pressed},
      {Act::Release, Visual::Normal},
      {Act::MoveElsewhereIn, Visual::Hot}},
     1},
    {"press dragged out and back in still clicks",
     {{Act::MoveIn, Visual::Hot},
      {Act::Press, Visual::Pressed},
      {Act::MoveOut, Visual::Normal},
      {Act::MoveIn, Visual::Pressed},
      {Act::Release, Visual::Normal}},
     1},
    {"press released outside does not click",
     {{Act::MoveIn, Visual::Hot},
      {Act::Press, Visual::Pressed},
      {Act::MoveOut, Visual::Normal},
      {Act::Release, Visual::Normal}},
     0},
    {"the right button neither presses nor clicks",
     {{Act::MoveIn, Visual::Hot},
      {Act::PressRight, Visual::Hot},
      {Act::MoveElsewhereIn, Visual::Hot},
      {Act::ReleaseRight, Visual::Hot}},
     0},
};

TEST_F(StateImageButtonTest, PointerDrivesTheLookAndTheClick) {
    for (const PointerCase& pointerCase : kPointerCases) {
        SetUp();
        SCOPED_TRACE(pointerCase.name);
        QSignalSpy clicks(button_, &StateImageButton::clicked);
        int index = 0;
        for (const Step& step : pointerCase.steps) {
            SCOPED_TRACE(index++);
            switch (step.act) {
                case Act::MoveIn:
                    moveTo(kInside);
                    break;
                case Act::MoveElsewhereIn:
                    moveTo(kElsewhereInside);
                    break;
                case Act::MoveOut:
                    moveTo(kOutside);
                    break;
                case Act::Press:
                    press();
                    break;
                case Act::Release:
                    release();
                    break;
                case Act::PressRight:
                    press(Qt::RightButton);
                    break;
                case Act::ReleaseRight:
                    release(Qt::RightButton);
                    break;
            }
            EXPECT_EQ(button_->visualState(), step.expected);
            EXPECT_EQ(shownAt({5, 5}), colourOf(step.expected));
        }
        EXPECT_EQ(clicks.count(), pointerCase.clicks);
    }
}

TEST_F(StateImageButtonTest, ADisabledButtonShowsItsDisabledPictureAndNeverClicks) {
    QSignalSpy clicks(button_, &StateImageButton::clicked);
    button_->setEnabled(false);
    EXPECT_EQ(shownAt({5, 5}), kDisabled);
    moveTo(kInside);
    press();
    release();
    EXPECT_EQ(shownAt({5, 5}), kDisabled);
    EXPECT_EQ(clicks.count(), 0);

    button_->setEnabled(true);
    EXPECT_EQ(shownAt({5, 5}), kNormal);
}

struct FallbackCase {
    const char* name;
    bool enabled;
    bool hover;
    Bytes normal;
    Bytes hot;
    Bytes disabled;
    QColor shown;
};

TEST(StateImageButtonFallback, AMissingPictureFallsBackToNormalAndThenToBlack) {
    const Bytes garbage{'B', 'M', 1, 2, 3};
    const std::vector<FallbackCase> cases{
        {"disabled without a disabled picture", false, false, solidBmp(kNormal), {}, {}, kNormal},
        {"disabled without any picture", false, false, {}, {}, {}, kBlack},
        {"hot without a hot picture", true, true, solidBmp(kNormal), {}, {}, kNormal},
        {"hot with bytes that are no picture", true, true, solidBmp(kNormal), garbage, {}, kNormal},
        {"hot with nothing at all", true, true, {}, {}, {}, kBlack},
    };
    for (const FallbackCase& fallback : cases) {
        SCOPED_TRACE(fallback.name);
        QWidget host;
        host.resize(200, 150);
        auto* button = new StateImageButton(&host);
        button->setGeometry(QRect(kButtonPlace, kButtonSize));
        button->setNormalPicture(fallback.normal);
        button->setHotPicture(fallback.hot);
        button->setDisabledPicture(fallback.disabled);
        button->setEnabled(fallback.enabled);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        if (fallback.hover) {
            QTest::mouseMove(host.windowHandle(), button->mapTo(&host, kOutside));
            QTest::mouseMove(host.windowHandle(), button->mapTo(&host, kInside));
            EXPECT_EQ(button->visualState(), Visual::Hot);
        }
        EXPECT_EQ(button->grab().toImage().pixelColor(5, 5), fallback.shown);
    }
}

TEST(StateImageButtonPainting, ThePictureSitsUnscaledAtTheTopLeftOnBlack) {
    StateImageButton button;
    button.resize(kButtonSize);

    // Smaller than the button: black around it.
    button.setNormalPicture(solidBmp(kNormal, {40, 20}));
    QImage shown = button.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), kNormal);
    EXPECT_EQ(shown.pixelColor(39, 19), kNormal);
    EXPECT_EQ(shown.pixelColor(40, 5), kBlack);
    EXPECT_EQ(shown.pixelColor(5, 20), kBlack);

    // Larger than the button: cut off at the right and bottom, never shrunk to fit.
    QImage large(200, 120, QImage::Format_RGB32);
    large.fill(kHot);
    large.setPixelColor(99, 59, kPressed);
    button.setNormalPicture(encodeBmp(large));
    shown = button.grab().toImage();
    EXPECT_EQ(shown.pixelColor(98, 58), kHot);
    EXPECT_EQ(shown.pixelColor(99, 59), kPressed);
}

TEST(StateImageButtonPictures, PicturesReadBackAsTheExactBytesSet) {
    StateImageButton button;
    const Bytes garbage{1, 2, 3};
    const Bytes picture = solidBmp(kHot);
    button.setNormalPicture(picture);
    button.setHotPicture(garbage);
    button.setPressedPicture({});
    button.setDisabledPicture(picture);
    EXPECT_EQ(button.normalPicture(), picture);
    EXPECT_EQ(button.hotPicture(), garbage);
    EXPECT_TRUE(button.pressedPicture().empty());
    EXPECT_EQ(button.disabledPicture(), picture);
}

TEST_F(StateImageButtonTest, SettingThePictureOfTheCurrentLookShowsItAtOnce) {
    moveTo(kInside);
    button_->setHotPicture(solidBmp(kPressed));
    EXPECT_EQ(shownAt({5, 5}), kPressed);

    button_->setEnabled(false);
    button_->setDisabledPicture(solidBmp(kHot));
    EXPECT_EQ(shownAt({5, 5}), kHot);
}

struct RegionCase {
    const char* name;
    std::function<void(StateImageButtonTest&)> change;
    bool regionKept;
};

TEST_F(StateImageButtonTest, TheRoundedOutlineLastsUntilTheFirstChangeOfLook) {
    const std::vector<RegionCase> cases{
        {"pointer enters", [](auto& t) { t.moveTo(kInside); }, false},
        {"disabled", [](auto& t) { t.button_->setEnabled(false); }, false},
        {"normal picture set", [](auto& t) { t.button_->setNormalPicture({}); }, false},
        {"hot picture set", [](auto& t) { t.button_->setHotPicture({}); }, true},
        {"pressed picture set", [](auto& t) { t.button_->setPressedPicture({}); }, true},
        {"disabled picture set", [](auto& t) { t.button_->setDisabledPicture({}); }, true},
        {"pointer passes outside only", [](auto& t) { t.moveTo(kOutside); }, true},
    };
    for (const RegionCase& regionCase : cases) {
        SetUp();
        SCOPED_TRACE(regionCase.name);
        const QRegion rounded =
            toQRegion(RoundedRegion(kButtonSize.width(), kButtonSize.height(), 30));
        button_->setMask(rounded);
        regionCase.change(*this);
        EXPECT_EQ(button_->mask(), regionCase.regionKept ? rounded : QRegion());
    }
}

}  // namespace
}  // namespace brontel
