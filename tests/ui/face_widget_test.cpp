#include "ui/face_widget.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "model/initial_styles.h"
#include "render/desktop_theme.h"
#include "render/face_painter.h"

namespace brontel {
namespace {

// A style that exercises edge, gradient and caption at once.
FaceStyle busyStyle() {
    FaceStyle style = initialFaceStyle(ButtonState::Hot);
    style.setBorder(border::Sunken);
    style.setGradientMode(3);
    style.setGradientColour1(0x0000FF);
    style.setGradientColour2(0x00FF00);
    style.setGradientColour3(0xFF0000);
    style.setCaption("按钮 Aa");
    return style;
}

QImage asRgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

TEST(FaceWidget, ShowsExactlyWhatTheRendererPaints) {
    FaceWidget face(busyStyle());
    face.resize(120, 61);
    Face copy{face.style(), {}};
    const QImage expected =
        renderFace(copy, face.size(), DesktopTheme::fromPalette(face.palette()));
    EXPECT_EQ(asRgb32(face.grab().toImage()), asRgb32(expected));
    EXPECT_EQ(asRgb32(face.grabFace()), asRgb32(expected));
}

TEST(FaceWidget, ChangeStyleWritesTheStyle) {
    FaceWidget face(busyStyle());
    face.changeStyle([](FaceStyle& s) { s.setBackColour(0x123456); });
    EXPECT_EQ(face.style().backColour(), 0x123456u);
}

class FaceBoard : public testing::Test {
protected:
    FaceBoard() {
        board.resize(300, 120);
        canvas.setGeometry(10, 10, 120, 80);
        face.setGeometry(10, 10, 120, 80);
        sibling.setGeometry(150, 10, 120, 80);
        face.raise();
        board.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&board));
    }

    QWidget board;
    FaceWidget canvas{canvasStyle(), &board};
    FaceWidget face{busyStyle(), &board};
    FaceWidget sibling{busyStyle(), &board};
};

TEST_F(FaceBoard, ChangeStyleRepaintsOnlyThatFaceOnce) {
    QApplication::processEvents();
    PaintCounter facePaints(&face);
    PaintCounter siblingPaints(&sibling);
    for (Colour c : {0x111111u, 0x222222u, 0x333333u}) {
        face.changeStyle([c](FaceStyle& s) { s.setGradientColour2(c); });
    }
    QApplication::processEvents();
    EXPECT_EQ(facePaints.count, 1);
    EXPECT_EQ(siblingPaints.count, 0);
}

TEST_F(FaceBoard, RoundedRegionLimitsTheFaceUntilReplaced) {
    EXPECT_FALSE(face.hasRoundedRegion());
    face.setRoundedRegion(120, 80, 40);
    EXPECT_TRUE(face.hasRoundedRegion());
    EXPECT_FALSE(face.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(face.mask().contains(QPoint(119, 79)));
    EXPECT_TRUE(face.mask().contains(QPoint(60, 0)));
    // Made larger, the face stays clipped to the rectangle it had.
    face.resize(200, 100);
    EXPECT_FALSE(face.mask().contains(QPoint(150, 50)));
    face.setRoundedRegion(200, 100, 0);
    EXPECT_TRUE(face.mask().contains(QPoint(150, 50)));
}

TEST_F(FaceBoard, CutCornersShowTheCanvasOnScreenAtOnce) {
    QApplication::processEvents();
    PaintCounter canvasPaints(&canvas);
    face.setRoundedRegion(120, 80, 40);
    QApplication::processEvents();
    EXPECT_GT(canvasPaints.count, 0);
    // What the window really shows, not a fresh rendering of it.
    const QImage screen = board.screen()->grabWindow(board.winId()).toImage();
    EXPECT_EQ(screen.pixelColor(face.mapTo(&board, QPoint(1, 1))), QColor(0, 255, 0));
    EXPECT_EQ(screen.pixelColor(face.mapTo(&board, QPoint(118, 78))), QColor(0, 255, 0));
}

TEST_F(FaceBoard, EmptyRegionHidesTheWholeFace) {
    face.setRoundedRegion(0, 80, 10);
    EXPECT_FALSE(face.mask().intersects(face.rect()));
    EXPECT_FALSE(face.mask().isEmpty()) << "an empty mask would show the face whole";
}

struct ReleaseCase {
    const char* name;
    QPoint where;  // on the face
    bool reported;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) {
    *os << c.name;
}

class FaceRelease : public FaceBoard, public testing::WithParamInterface<ReleaseCase> {};

TEST_P(FaceRelease, OnlyTheVisibleRegionReportsTheRelease) {
    const ReleaseCase& c = GetParam();
    face.setRoundedRegion(120, 80, 40);
    QSignalSpy faceReleased(&face, &FaceWidget::leftButtonReleased);
    QSignalSpy canvasReleased(&canvas, &FaceWidget::leftButtonReleased);
    // Through the window, as the desktop delivers clicks: a cut-away corner belongs to
    // whatever lies beneath.
    QTest::mouseClick(board.windowHandle(), Qt::LeftButton, {}, face.mapTo(&board, c.where));
    EXPECT_EQ(faceReleased.count(), c.reported ? 1 : 0);
    EXPECT_EQ(canvasReleased.count(), c.reported ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, FaceRelease,
                         testing::Values(ReleaseCase{"Middle", {60, 40}, true},
                                         ReleaseCase{"CutCorner", {1, 1}, false},
                                         ReleaseCase{"CutBottomRight", {118, 78}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FaceBoard, ReleaseAfterDraggingOffTheFaceIsNotReported) {
    face.setRoundedRegion(120, 80, 40);
    QSignalSpy released(&face, &FaceWidget::leftButtonReleased);
    QTest::mousePress(&face, Qt::LeftButton, {}, QPoint(60, 40));
    QTest::mouseRelease(&face, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mousePress(&face, Qt::LeftButton, {}, QPoint(60, 40));
    QTest::mouseRelease(&face, Qt::LeftButton, {}, QPoint(200, 40));
    EXPECT_EQ(released.count(), 0);
}

}  // namespace
}  // namespace brontel
