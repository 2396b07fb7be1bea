#include "ui/preview_command.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "act_when_shown.h"
#include "export/rounded_region.h"
#include "model/initial_styles.h"
#include "ui/application_shell.h"
#include "ui/colour_picker.h"
#include "ui/edit_box.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/main_window.h"
#include "ui/preview_export_dialog.h"
#include "ui/state_image_button.h"

namespace brontel {
namespace {

constexpr QRgb kCanvasGreen = qRgb(0, 255, 0);

const char* const kFaceNames[] = {"标签_正常按钮", "标签_点燃按钮", "标签_按下按钮",
                                  "标签_禁止按钮"};

// The program's main window with all its reactions wired, driven through its controls.
class PreviewCommandTest : public testing::Test {
protected:
    PreviewCommandTest() { shell.openMainWindow(); }

    MainWindow& window() { return *shell.mainWindow(); }
    SharedSettings& shared() { return shell.sharedSettings(); }

    template <typename Control>
    Control& control(const char* name) {
        auto* found = window().findChild<Control*>(QString::fromUtf8(name));
        if (found == nullptr) throw std::runtime_error(name);
        return *found;
    }
    EditBox& sharedField(const char* name) { return control<EditBox>(name); }
    FaceWidget& face(ButtonState state) { return control<FaceWidget>(kFaceNames[indexOf(state)]); }

    // Clicks "预览导出" and closes the preview dialog as the user would, keeping what the
    // dialog's button was given.
    void pressPreview() {
        test::ActWhenShown<PreviewExportDialog> closeDialog([this](PreviewExportDialog* dialog) {
            const auto* button = dialog->findChild<StateImageButton*>("图形按钮");
            shownPictures = {button->normalPicture(), button->hotPicture(),
                             button->pressedPicture(), button->disabledPicture()};
            dialog->close();
        });
        QTest::mouseClick(&control<QPushButton>("按钮预览_按钮"), Qt::LeftButton);
        EXPECT_TRUE(closeDialog.acted()) << "the preview dialog did not open";
    }

    QImage storedImage(ButtonState state) {
        const Bytes& bytes = shared().stateImages[indexOf(state)];
        return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")
            .convertToFormat(QImage::Format_RGB32);
    }

    // What the window shows in the cell of this state right now, as it is on the screen.
    QImage boardCell(ButtonState state) {
        QApplication::processEvents();
        const FaceWidget& cell = face(state);
        const QImage screen = window().screen()->grabWindow(window().winId()).toImage();
        return screen.copy(QRect(cell.mapTo(&window(), QPoint(0, 0)), cell.size()))
            .convertToFormat(QImage::Format_RGB32);
    }

    ApplicationShell shell;
    PerState<Bytes> shownPictures;
};

TEST_F(PreviewCommandTest, ImagesAreTheCellsAsTheBoardShowsThem) {
    // A rounded region set at a smaller width stays on the faces made wider later.
    sharedField("统一按钮_宽度_编辑框").setContent("150");
    sharedField("统一按钮_角度_编辑框").setContent("40");
    sharedField("统一按钮_宽度_编辑框").setContent("270");
    pressPreview();
    for (ButtonState state : kButtonStates) {
        SCOPED_TRACE(indexOf(state));
        EXPECT_EQ(shared().stateImages[indexOf(state)].size(), 178694u);
        EXPECT_EQ(storedImage(state), boardCell(state));
        EXPECT_EQ(shownPictures[indexOf(state)], shared().stateImages[indexOf(state)]);
    }
    EXPECT_EQ(storedImage(ButtonState::Normal).pixel(260, 110), kCanvasGreen);
}

TEST_F(PreviewCommandTest, RoundedCornersShowTheCanvasColour) {
    sharedField("统一按钮_角度_编辑框").setContent("40");
    pressPreview();
    const RoundedRegion region(270, 220, 40);
    for (ButtonState state : kButtonStates) {
        SCOPED_TRACE(indexOf(state));
        const QImage image = storedImage(state);
        ASSERT_EQ(image.size(), QSize(270, 220));
        const Colour back = initialFaceStyle(state).backColour();
        const QRgb faceColour = qRgb(redOf(back), greenOf(back), blueOf(back));
        for (const QPoint corner : {QPoint(0, 0), QPoint(250, 0), QPoint(0, 200), QPoint(250, 200)})
            for (int y = corner.y(); y < corner.y() + 20; ++y)
                for (int x = corner.x(); x < corner.x() + 20; ++x)
                    ASSERT_EQ(image.pixel(x, y), region.contains(x, y) ? faceColour : kCanvasGreen)
                        << x << "," << y;
    }
}

// Whether some pixel of the area is dark, as caption ink on a light ground is.
bool hasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 64) return true;
    return false;
}

TEST_F(PreviewCommandTest, FacesClippedNarrowerShowTheCanvasCaptionBeside) {
    sharedField("统一按钮_宽度_编辑框").setContent("100");
    sharedField("统一按钮_角度_编辑框").setContent("40");
    sharedField("统一按钮_宽度_编辑框").setContent("270");
    pressPreview();
    const QImage canvas = window().board().canvas(ButtonState::Hot).grabFace();
    for (ButtonState state : {ButtonState::Hot, ButtonState::Pressed, ButtonState::Disabled}) {
        SCOPED_TRACE(indexOf(state));
        const QImage image = storedImage(state);
        ASSERT_EQ(image.size(), QSize(270, 220));
        EXPECT_EQ(image.copy(100, 0, 170, 220), canvas.copy(100, 0, 170, 220));
        EXPECT_TRUE(hasInk(image, QRect(100, 95, 80, 30))) << "no canvas caption beside the face";
        // The narrow region is rounded on all four corners, the right ones included.
        EXPECT_EQ(image.pixel(99, 0), kCanvasGreen);
        EXPECT_EQ(image.pixel(99, 219), kCanvasGreen);
        EXPECT_NE(image.pixel(60, 0), kCanvasGreen);
    }
}

TEST_F(PreviewCommandTest, HeightAboveTheLimitIsCorrectedBeforeTheCapture) {
    EditBox& height = sharedField("统一按钮_高度_编辑框");
    height.setContent("150");
    // Text its handler has not yet seen, as the command must re-apply it.
    height.setText("300");
    pressPreview();
    EXPECT_EQ(height.content(), "220");
    EXPECT_EQ(shared().buttonHeight, 220);
    for (ButtonState state : kButtonStates) EXPECT_EQ(storedImage(state).height(), 220);
}

TEST_F(PreviewCommandTest, ImagesStayUntilTheNextPress) {
    pressPreview();
    const PerState<Bytes> first = shared().stateImages;
    control<ColourPicker>("按钮正常_按钮背景颜色_颜色选择器").pickColour(0x0000FF);
    QApplication::processEvents();
    EXPECT_EQ(shared().stateImages, first) << "changing a face changed a taken image";

    pressPreview();
    EXPECT_NE(shared().stateImages[indexOf(ButtonState::Normal)], first[0]);
    EXPECT_EQ(storedImage(ButtonState::Normal).pixel(5, 5), qRgb(255, 0, 0));
    for (ButtonState state : kButtonStates)
        EXPECT_EQ(storedImage(state), boardCell(state)) << indexOf(state);
}

// A cell without pixels stores nothing, and the dialog opens and closes with it.
class EmptyCellTest : public PreviewCommandTest, public testing::WithParamInterface<const char*> {};

TEST_P(EmptyCellTest, StoresTheEmptyImage) {
    pressPreview();
    sharedField("统一按钮_宽度_编辑框").setContent(GetParam());
    pressPreview();
    for (ButtonState state : kButtonStates) {
        EXPECT_TRUE(shared().stateImages[indexOf(state)].empty()) << indexOf(state);
        EXPECT_TRUE(shownPictures[indexOf(state)].empty()) << indexOf(state);
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, EmptyCellTest, testing::Values("0", "-5", "宽"));

}  // namespace
}  // namespace brontel
