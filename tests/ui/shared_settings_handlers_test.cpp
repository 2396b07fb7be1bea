#include "ui/shared_settings_handlers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "model/bytes.h"
#include "settings_handlers_fixture.h"
#include "ui/face_board.h"

namespace brontel::test {
namespace {

class SharedSettingsHandlersTest : public SettingsHandlersTest {
protected:
    void expectBoardHeight(int faceHeight, int frameHeight) {
        for (ButtonState state : kButtonStates) {
            EXPECT_EQ(face(state).height(), faceHeight) << indexOf(state);
            EXPECT_EQ(canvas(state).height(), faceHeight) << indexOf(state);
        }
        EXPECT_EQ(selectionFrame().height(), frameHeight);
    }

    void expectBoardWidth(int faceWidth, int frameWidth) {
        for (ButtonState state : kButtonStates) {
            EXPECT_EQ(face(state).width(), faceWidth) << indexOf(state);
            EXPECT_EQ(canvas(state).width(), faceWidth) << indexOf(state);
        }
        EXPECT_EQ(selectionFrame().width(), frameWidth);
    }

    // Replaces the field's text as a paste over a selection of all of it does.
    static void pasteInto(EditBox& box, const char* text) {
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }

    // A small picture file in a folder of its own, and its bytes.
    QString writePicture(const QString& name, QRgb colour) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    static Bytes bytesOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        return Bytes(content.begin(), content.end());
    }

    QTemporaryDir folder;
};

TEST_F(SharedSettingsHandlersTest, TypingAWidthAboveTheLimitCorrectsTheFieldTo270) {
    EditBox& width = sharedField("宽度");
    width.selectAll();
    QTest::keyClicks(&width, "300");
    EXPECT_EQ(width.content(), "270");
    EXPECT_EQ(shared.buttonWidth, 270);
    expectBoardWidth(270, 274);
}

TEST_F(SharedSettingsHandlersTest, TypingAWidthResizesAtEveryKeystroke) {
    EditBox& width = sharedField("宽度");
    width.selectAll();
    QTest::keyClicks(&width, "15");
    EXPECT_EQ(shared.buttonWidth, 15);
    expectBoardWidth(15, 19);
    expectBoardHeight(220, 224);
}

struct PastedHeight {
    const char* pasted;
    const char* fieldAfter;
    int buttonHeight;
    int faceHeight;
};

// Heights of 0 and below leave the faces 0 high, showing nothing, and the frame its rim.
TEST_F(SharedSettingsHandlersTest, PastedHeightsAreHeldToTheLimitAndTruncated) {
    const PastedHeight cases[]{
        {"219.9", "219.9", 219, 219},
        {"220.5", "220", 220, 220},
        {"220.00000001", "220.00000001", 220, 220},  // within the tolerance: not corrected
        {"1e3", "220", 220, 220},
        {"１５０", "１５０", 150, 150},
        {"abc", "abc", 0, 0},
        {"-5", "-5", -5, 0},
        {"", "", 0, 0},
    };
    EditBox& height = sharedField("高度");
    for (const PastedHeight& c : cases) {
        SCOPED_TRACE(c.pasted);
        pasteInto(height, c.pasted);
        EXPECT_EQ(height.content(), QString::fromUtf8(c.fieldAfter));
        EXPECT_EQ(shared.buttonHeight, c.buttonHeight);
        expectBoardHeight(c.faceHeight, c.faceHeight + 4);
    }
}

// The capture re-applies the fields through the handlers themselves.
TEST_F(SharedSettingsHandlersTest, SizeHandlersCalledDirectlyApplyTheFields) {
    EXPECT_EQ(shared.buttonWidth, 0);
    EXPECT_EQ(shared.buttonHeight, 0);
    onHeightChanged(window.sharedGroup(), window.board(), shared);
    onWidthChanged(window.sharedGroup(), window.board(), shared);
    EXPECT_EQ(shared.buttonHeight, 220);
    EXPECT_EQ(shared.buttonWidth, 270);
    expectBoardHeight(220, 224);
}

// A keystroke that arrives while the handler lets pending events run raises a run of its
// own; the interrupted run must not resize the faces back to its older value afterwards.
TEST_F(SharedSettingsHandlersTest, AChangeArrivingWhileEventsRunIsTheOneThatStays) {
    EditBox& height = sharedField("高度");
    height.setContent(QString());
    QCoreApplication::postEvent(
        &height, new QKeyEvent(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0")));
    QTest::keyClick(&height, Qt::Key_1);
    EXPECT_EQ(height.content(), "10");
    EXPECT_EQ(shared.buttonHeight, 10);
    expectBoardHeight(10, 14);
}

TEST_F(SharedSettingsHandlersTest, CornersClipEachFaceToItsWidthAndTheNormalHeight) {
    sharedField("角度").setContent("40");
    EXPECT_EQ(shared.cornerDiameter, 40);
    for (ButtonState state : kButtonStates) {
        const QRegion region = face(state).mask();
        EXPECT_FALSE(region.contains(QPoint(0, 0)));
        EXPECT_FALSE(region.contains(QPoint(269, 219)));
        EXPECT_TRUE(region.contains(QPoint(135, 0)));
        EXPECT_TRUE(region.contains(QPoint(20, 20)));
    }
}

// The region ends at the old width: the right-hand corners are beyond the narrower face.
TEST_F(SharedSettingsHandlersTest, ALaterSizeChangeKeepsTheOldRegion) {
    sharedField("角度").setContent("40");
    sharedField("宽度").setContent("100");
    ASSERT_EQ(face(ButtonState::Hot).width(), 100);
    const QRegion region = face(ButtonState::Hot).mask();
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_TRUE(region.contains(QPoint(99, 0)));
    EXPECT_TRUE(region.contains(QPoint(99, 219)));

    sharedField("角度").setContent("40");
    EXPECT_FALSE(face(ButtonState::Hot).mask().contains(QPoint(99, 0)));
}

// What the screen shows, not what a face would paint when asked.
TEST_F(SharedSettingsHandlersTest, CutCornersShowTheCanvasOnScreen) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto onScreen = [&](QPoint facePoint) {
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
        const QPoint at = face(ButtonState::Pressed).mapTo(&window, facePoint);
        return pixelAt(screen, at.x(), at.y());
    };
    // The first paint of the window is over before the corners change.
    ASSERT_TRUE(QTest::qWaitFor([&] { return onScreen({0, 0}) == 0x9BFF9Bu; }));
    QTest::qWait(50);
    sharedField("角度").setContent("60");
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen({0, 0}) == 0x00FF00u; }));
    EXPECT_EQ(onScreen({135, 2}), 0x9BFF9Bu);
}

TEST_F(SharedSettingsHandlersTest, OddCornerTextsNeverFail) {
    for (const char* text : {"-7", "abc", "99999999999", "100000", "0"}) {
        SCOPED_TRACE(text);
        sharedField("角度").setContent(QString::fromUtf8(text));
        EXPECT_FALSE(face(ButtonState::Normal).grabFace().isNull());
    }
    EXPECT_TRUE(face(ButtonState::Normal).mask().contains(QPoint(0, 0)));  // "0": square
}

TEST_F(SharedSettingsHandlersTest, SharedCanvasColourPaintsTheFourCanvasesOnly) {
    control<ColourPicker>("统一按钮_按钮画布颜色_颜色选择器").pickColour(0xFF0000);
    for (ButtonState state : kButtonStates) {
        EXPECT_EQ(canvas(state).style().backColour(), 0xFF0000u);
        EXPECT_EQ(picker(state, "按钮画布颜色").colour(), 0x00FF00u);
    }
}

TEST_F(SharedSettingsHandlersTest, SharedPictureSwitchesOffOnlyTheNormalGradientAndBackColour) {
    const QString path = writePicture("shared.bmp", qRgb(255, 0, 0));
    dialogs.fileAnswers = {path};
    QTest::mouseClick(&sharedField("底图"), Qt::LeftButton);

    EXPECT_EQ(sharedField("底图").content(), path);
    for (ButtonState state : kButtonStates) {
        EXPECT_EQ(face(state).style().picture(), bytesOf(path));
        EXPECT_EQ(combo(state, "背景渐变方式").isEnabled(), state != ButtonState::Normal);
        EXPECT_EQ(picker(state, "按钮背景颜色").isEnabled(), state != ButtonState::Normal);
        // The pages' own picture rows are not touched.
        EXPECT_EQ(combo(state, "底图方式").currentText(), "不使用");
        EXPECT_FALSE(field(state, "按钮底图").isEnabled());
    }
    // Centred, the initial placement: the picture's red shows in the middle of the face,
    // above the caption's line.
    const QImage image = face(ButtonState::Hot).grabFace();
    EXPECT_EQ(pixelAt(image, image.width() / 2 - 18, image.height() / 2 - 13), 0x0000FFu);
}

TEST_F(SharedSettingsHandlersTest, CancellingTheSharedPictureClearsEveryFacesPicture) {
    const QString shared = writePicture("shared.bmp", qRgb(255, 0, 0));
    const QString own = writePicture("own.bmp", qRgb(0, 0, 255));
    dialogs.fileAnswers = {shared};
    QTest::mouseClick(&sharedField("底图"), Qt::LeftButton);
    choose(combo(ButtonState::Pressed, "底图方式"), "底图平铺");
    dialogs.fileAnswers = {own};
    QTest::mouseClick(&field(ButtonState::Pressed, "按钮底图"), Qt::LeftButton);
    ASSERT_EQ(face(ButtonState::Pressed).style().picture(), bytesOf(own));

    dialogs.fileAnswers = {std::nullopt};
    QTest::mouseClick(&sharedField("底图"), Qt::LeftButton);
    for (ButtonState state : kButtonStates) EXPECT_TRUE(face(state).style().picture().empty());
    EXPECT_EQ(sharedField("底图").content(), "点击设置");
    EXPECT_TRUE(combo(ButtonState::Normal, "背景渐变方式").isEnabled());
    EXPECT_TRUE(picker(ButtonState::Normal, "按钮背景颜色").isEnabled());
    // The page's own row is left as it was.
    EXPECT_EQ(field(ButtonState::Pressed, "按钮底图").content(), own);
    EXPECT_EQ(face(ButtonState::Pressed).style().pictureMode(), 1);
    // The dialog opens with the file last chosen through it.
    EXPECT_EQ(dialogs.filesOpenedWith.back(), shared);
}

TEST_F(SharedSettingsHandlersTest, AnUnreadableSharedPictureGivesEmptyPictures) {
    const QString missing = folder.filePath("missing.bmp");
    dialogs.fileAnswers = {missing, folder.path()};
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(&sharedField("底图"), Qt::LeftButton);
        for (ButtonState state : kButtonStates) EXPECT_TRUE(face(state).style().picture().empty());
        EXPECT_FALSE(combo(ButtonState::Normal, "背景渐变方式").isEnabled());
    }
    EXPECT_EQ(sharedField("底图").content(), folder.path());
}

}  // namespace
}  // namespace brontel::test
