#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "model/bytes.h"
#include "settings_handlers_fixture.h"

namespace brontel::test {
namespace {

class ChooserHandlersTest : public SettingsHandlersTest {
protected:
    ChooserHandlersTest() {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 255));
        picturePath = folder.filePath("blue.bmp");
        EXPECT_TRUE(image.save(picturePath, "BMP"));
        QFile file(picturePath);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        pictureBytes.assign(content.begin(), content.end());
    }

    void releaseOver(EditBox& box) { QTest::mouseClick(&box, Qt::LeftButton); }

    QTemporaryDir folder;
    QString picturePath;
    Bytes pictureBytes;
};

FontSpec songTypeface(int size, bool bold, bool italic, bool strikeout, bool underline) {
    return FontSpec{.angle = 0,
                    .bold = bold,
                    .italic = italic,
                    .strikeout = strikeout,
                    .underline = underline,
                    .size = size,
                    .name = "宋体"};
}

// Cancelled, even the first time, the face takes the user-interface font, 12 pixels high.
TEST_F(ChooserHandlersTest, FontCancelledTakesTheUserInterfaceFont) {
    const ButtonState hot = ButtonState::Hot;
    releaseOver(field(hot, "按钮文字字体"));
    EXPECT_EQ(field(hot, "按钮文字字体").content(), "宋体,字体大小：9");
    EXPECT_EQ(face(hot).style().font(), songTypeface(9, false, false, false, false));
    EXPECT_EQ(face(ButtonState::Normal).style().font(), std::nullopt);
    EXPECT_EQ(dialogs.fontsOpenedWith.at(0), FontSpec{});
}

struct FontChoice {
    FontSpec chosen;
    const char* field;
};

TEST_F(ChooserHandlersTest, FontConfirmedTakesTheDialogsFaceSizeAndEffects) {
    const FontChoice cases[]{
        {songTypeface(12, true, true, false, false), "宋体,字体大小：12"},
        {songTypeface(20, false, false, true, false), "宋体,字体大小：20"},
        {songTypeface(8, false, false, false, true), "宋体,字体大小：8"},
        {FontSpec{.angle = 900, .size = -3, .name = "DejaVu Sans"}, "DejaVu Sans,字体大小：-3"},
    };
    const ButtonState pressed = ButtonState::Pressed;
    for (const FontChoice& c : cases) {
        SCOPED_TRACE(c.field);
        dialogs.fontAnswers = {c.chosen};
        releaseOver(field(pressed, "按钮文字字体"));
        FontSpec expected = c.chosen;
        expected.angle = 0;
        EXPECT_EQ(face(pressed).style().font(), expected);
        EXPECT_EQ(field(pressed, "按钮文字字体").content(), QString::fromUtf8(c.field));
    }
}

TEST_F(ChooserHandlersTest, ABoldItalicFontDrawsTheCaptionDifferently) {
    const ButtonState normal = ButtonState::Normal;
    dialogs.fontAnswers = {songTypeface(12, false, false, false, false),
                           songTypeface(12, true, true, false, false)};
    releaseOver(field(normal, "按钮文字字体"));
    const QImage plain = face(normal).grabFace();

    releaseOver(field(normal, "按钮文字字体"));
    EXPECT_NE(face(normal).grabFace(), plain);
}

TEST_F(ChooserHandlersTest, EveryChooserOpensWithItsLastConfirmedChoice) {
    const FontSpec first = songTypeface(14, true, false, false, false);
    dialogs.fontAnswers = {first, std::nullopt, std::nullopt};
    EditBox& hotFont = field(ButtonState::Hot, "按钮文字字体");
    releaseOver(hotFont);
    releaseOver(hotFont);  // cancelled: remembers the first still
    releaseOver(field(ButtonState::Disabled, "按钮文字字体"));  // a chooser of its own
    EXPECT_EQ(dialogs.fontsOpenedWith, (std::vector<FontSpec>{FontSpec{}, first, FontSpec{}}));

    choose(combo(ButtonState::Hot, "底图方式"), "底图居中");
    dialogs.fileAnswers = {picturePath, std::nullopt, std::nullopt};
    EditBox& hotPicture = field(ButtonState::Hot, "按钮底图");
    releaseOver(hotPicture);
    releaseOver(hotPicture);
    releaseOver(hotPicture);
    EXPECT_EQ(dialogs.filesOpenedWith, (std::vector<QString>{"", picturePath, picturePath}));
}

// The picture row of a page, as the user sees it.
enum class Row { Off, Ready, Loaded, Cleared, Unknown };

enum class Step { ChooseTopLeft, ChooseTiled, ChooseCentred, ChooseNone, PickFile, CancelFile };

// A fresh window whose Hot page's picture row is driven the way the user can: a disabled
// control does not react.
class PictureRow : public WiredWindow {
public:
    PictureRow(QString path, Bytes bytes) : path_(std::move(path)), bytes_(std::move(bytes)) {}

    void take(Step step) {
        switch (step) {
            case Step::ChooseTopLeft:
                return chooseIfEnabled("底图左上");
            case Step::ChooseTiled:
                return chooseIfEnabled("底图平铺");
            case Step::ChooseCentred:
                return chooseIfEnabled("底图居中");
            case Step::ChooseNone:
                return chooseIfEnabled("不使用");
            case Step::PickFile:
                return releaseField(path_);
            case Step::CancelFile:
                return releaseField(std::nullopt);
        }
    }

    Row row() {
        ComboBox& mode = combo(kState, "底图方式");
        EditBox& path = field(kState, "按钮底图");
        const Bytes& picture = face(kState).style().picture();
        const bool modeOn = mode.isEnabled(), fieldOn = path.isEnabled();
        const bool placed = mode.currentValue() != 3;
        if (modeOn && !placed && !fieldOn && path.content() == "点击设置" && picture.empty())
            return Row::Off;
        if (modeOn && placed && fieldOn && path.content() == "点击设置" && picture.empty())
            return Row::Ready;
        if (modeOn && placed && fieldOn && path.content() == path_ && picture == bytes_)
            return Row::Loaded;
        if (!modeOn && placed && fieldOn && path.content().isEmpty() && picture.empty())
            return Row::Cleared;
        return Row::Unknown;
    }

    int pictureMode() { return face(kState).style().pictureMode(); }

private:
    static constexpr ButtonState kState = ButtonState::Hot;

    void chooseIfEnabled(const char* item) {
        ComboBox& mode = combo(kState, "底图方式");
        if (mode.isEnabled()) choose(mode, item);
    }
    void releaseField(std::optional<QString> answer) {
        dialogs.fileAnswers = {std::move(answer)};
        QTest::mouseClick(&field(kState, "按钮底图"), Qt::LeftButton);
        dialogs.fileAnswers.clear();
    }

    QString path_;
    Bytes bytes_;
};

struct Transition {
    std::vector<Step> before;
    Step step;
    Row after;
    int pictureMode;
};

TEST_F(ChooserHandlersTest, PictureRowMovesBetweenOffReadyLoadedAndCleared) {
    using enum Step;
    const std::vector<Step> ready{ChooseTiled};
    const std::vector<Step> loaded{ChooseCentred, PickFile};
    const std::vector<Step> cleared{ChooseCentred, PickFile, CancelFile};
    const Transition transitions[]{
        {{}, ChooseTiled, Row::Ready, 1},
        {{}, PickFile, Row::Off, 2},  // the field is off: no dialog opens
        {ready, PickFile, Row::Loaded, 1},
        {ready, CancelFile, Row::Cleared, 1},
        {ready, ChooseNone, Row::Off, 1},
        {ready, ChooseTopLeft, Row::Ready, 0},
        {loaded, ChooseTopLeft, Row::Loaded, 0},
        {loaded, PickFile, Row::Loaded, 2},
        {loaded, CancelFile, Row::Cleared, 2},
        {loaded, ChooseNone, Row::Off, 2},
        {cleared, PickFile, Row::Loaded, 2},
        {cleared, CancelFile, Row::Cleared, 2},
        {cleared, ChooseTiled, Row::Cleared, 2},  // the combo is off
        {{ChooseTiled, PickFile, ChooseNone}, ChooseTopLeft, Row::Ready, 0},
    };
    for (const Transition& t : transitions) {
        SCOPED_TRACE(testing::Message()
                     << "after " << t.before.size() << " steps, step " << static_cast<int>(t.step));
        PictureRow row(picturePath, pictureBytes);
        for (Step step : t.before) row.take(step);
        row.take(t.step);
        EXPECT_EQ(row.row(), t.after);
        EXPECT_EQ(row.pictureMode(), t.pictureMode);
    }
}

// Centred by the row's placement, the picture's blue shows above the caption's line.
TEST_F(ChooserHandlersTest, ALoadedPictureIsDrawnWithTheRowsPlacement) {
    const ButtonState disabled = ButtonState::Disabled;
    choose(combo(disabled, "底图方式"), "底图左上");
    dialogs.fileAnswers = {picturePath};
    releaseOver(field(disabled, "按钮底图"));
    const QImage image = face(disabled).grabFace();
    EXPECT_EQ(pixelAt(image, 2, 2), 0xFF0000u);
    EXPECT_EQ(pixelAt(image, 45, 2), 0x97FFFFu);  // the face's own background
}

TEST_F(ChooserHandlersTest, AnUnreadablePictureStillShowsThePathAndSwitchesTheComboOn) {
    const ButtonState normal = ButtonState::Normal;
    choose(combo(normal, "底图方式"), "底图平铺");
    for (const QString& path : {folder.filePath("missing.gif"), folder.path(), QString()}) {
        SCOPED_TRACE(path.toStdString());
        dialogs.fileAnswers = {path};
        releaseOver(field(normal, "按钮底图"));
        EXPECT_EQ(field(normal, "按钮底图").content(), path);
        EXPECT_TRUE(face(normal).style().picture().empty());
        EXPECT_TRUE(combo(normal, "底图方式").isEnabled());
    }
}

}  // namespace
}  // namespace brontel::test
