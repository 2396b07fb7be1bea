#include "ui/preview_export_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "export/bmp_encoder.h"
#include "export/rounded_region.h"
#include "ui/export_desktop.h"
#include "ui/group_box.h"
#include "ui/state_image_button.h"

namespace brontel {
namespace {

const PerState<QColor> kStateColours{QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                                     QColor(120, 120, 120)};
const PerState<QString> kFileNames{"按钮_正常图片.bmp", "按钮_点燃图片.bmp", "按钮_按下图片.bmp",
                                   "按钮_禁止图片.bmp"};

Bytes solidBmp(QColor colour, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encodeBmp(image);
}

Bytes readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

// Answers in the user's place and remembers, in order, what the export asked for.
class FakeDesktop : public ExportDesktop {
public:
    QString outputDir() const override { return folder; }
    void warn(const QString& text, const QString& title) override {
        log.push_back("warn " + title);
        warnings.push_back(text);
    }
    bool askYesNo(const QString& text, const QString& title) override {
        log.push_back("ask " + title + " " + text);
        return answer;
    }
    void openFolder(const QString& opened) override { log.push_back("open " + opened); }

    QString folder;
    bool answer = false;
    QStringList log;
    QStringList warnings;
};

class PreviewExportDialogTest : public ::testing::Test {
protected:
    PreviewExportDialogTest() {
        shared_.buttonWidth = 100;
        shared_.buttonHeight = 50;
        shared_.cornerDiameter = 20;
        for (const ButtonState state : kButtonStates)
            shared_.stateImages[indexOf(state)] =
                solidBmp(kStateColours[indexOf(state)], {100, 50});
        desktop_.folder = outputFolder_.path();
    }

    PreviewExportDialog& openDialog() {
        dialog_ = std::make_unique<PreviewExportDialog>(shared_, desktop_);
        dialog_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
        return *dialog_;
    }

    template <typename T>
    T* control(const char* name) {
        return dialog_->findChild<T*>(QString::fromUtf8(name));
    }

    StateImageButton* imageButton() { return control<StateImageButton>("图形按钮"); }
    void clickExport() {
        QTest::mouseClick(control<QPushButton>("按钮预览_按钮1"), Qt::LeftButton);
    }
    void clickDisable() {
        QTest::mouseClick(control<QCheckBox>("禁止按钮_选择框"), Qt::LeftButton);
    }
    QString exported(ButtonState state) const {
        return QDir(desktop_.folder).filePath(kFileNames[indexOf(state)]);
    }

    SharedSettings shared_;
    QTemporaryDir outputFolder_;
    FakeDesktop desktop_;
    std::unique_ptr<PreviewExportDialog> dialog_;
};

struct Placement {
    const char* name;
    const char* parent;
    QRect place;
    const char* text;
};

TEST_F(PreviewExportDialogTest, PlacesItsControls) {
    openDialog();
    EXPECT_EQ(dialog_->windowTitle(), "按钮预览 导出");
    EXPECT_EQ(dialog_->size(), QSize(304, 270));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    EXPECT_TRUE(dialog_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog_->palette().color(QPalette::Window), QColor(Qt::white));

    const std::vector<Placement> placements{
        {"按钮预览_按钮1", "", {217, 7, 71, 24}, "导出图片"},
        {"分组框7", "", {6, 11, 296, 256}, nullptr},
        {"禁止按钮_选择框", "分组框7", {17, -2, 72, 24}, "禁止按钮"},
        {"图形按钮", "分组框7", {12, 27, 100, 50}, nullptr},
    };
    for (const Placement& placement : placements) {
        SCOPED_TRACE(placement.name);
        const QWidget* widget = control<QWidget>(placement.name);
        ASSERT_NE(widget, nullptr);
        const QWidget* parent = widget->parentWidget();
        EXPECT_EQ(parent == dialog_.get() ? QString() : parent->objectName(), placement.parent);
        EXPECT_EQ(widget->geometry(), placement.place);
        if (placement.text) {
            EXPECT_EQ(widget->property("text").toString(), placement.text);
        }
    }
    EXPECT_EQ(control<GroupBox>("分组框7")->title(), "预览按钮效果");
    EXPECT_FALSE(control<QCheckBox>("禁止按钮_选择框")->isChecked());
    // The export button stands on the group's edge and must stay clickable there.
    EXPECT_EQ(dialog_->childAt(250, 12), control<QWidget>("按钮预览_按钮1"));
}

TEST_F(PreviewExportDialogTest, TheButtonTakesTheCaptureAndTheRoundedOutline) {
    openDialog();
    StateImageButton* button = imageButton();
    EXPECT_EQ(button->normalPicture(), shared_.stateImages[0]);
    EXPECT_EQ(button->hotPicture(), shared_.stateImages[1]);
    EXPECT_EQ(button->pressedPicture(), shared_.stateImages[2]);
    EXPECT_EQ(button->disabledPicture(), shared_.stateImages[3]);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->mask(), toQRegion(RoundedRegion(100, 50, 20)));
}

TEST_F(PreviewExportDialogTest, TheCheckBoxSwitchesTheButtonOffAndOn) {
    openDialog();
    clickDisable();
    EXPECT_FALSE(imageButton()->isEnabled());
    EXPECT_EQ(imageButton()->grab().toImage().pixelColor(5, 5), kStateColours[3]);
    clickDisable();
    EXPECT_TRUE(imageButton()->isEnabled());
    EXPECT_EQ(imageButton()->grab().toImage().pixelColor(5, 5), kStateColours[0]);
}

struct ExportCase {
    const char* name;
    bool disableFirst;
    bool answer;
    int exports;
};

TEST_F(PreviewExportDialogTest, ExportWritesTheCaptureByteForByteThenOffersTheFolder) {
    const std::vector<ExportCase> cases{
        {"answer no", false, false, 1},
        {"answer yes", false, true, 1},
        {"button disabled", true, false, 1},
        {"exported twice", false, false, 2},
    };
    for (const ExportCase& exportCase : cases) {
        SCOPED_TRACE(exportCase.name);
        desktop_.log.clear();
        desktop_.answer = exportCase.answer;
        openDialog();
        if (exportCase.disableFirst) clickDisable();
        for (int i = 0; i < exportCase.exports; ++i) clickExport();

        for (const ButtonState state : kButtonStates)
            EXPECT_EQ(readAll(exported(state)), shared_.stateImages[indexOf(state)]);
        QStringList expected;
        for (int i = 0; i < exportCase.exports; ++i) {
            expected << "ask 提示 是否打开目录？";
            if (exportCase.answer) expected << "open " + desktop_.folder;
        }
        EXPECT_EQ(desktop_.log, expected);
        EXPECT_EQ(QDir(desktop_.folder).entryList(QDir::Files).size(), 4);
    }
}

TEST_F(PreviewExportDialogTest, ExportReplacesLongerOldFilesWhole) {
    for (const ButtonState state : kButtonStates) {
        QFile old(exported(state));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
    }
    shared_.stateImages[indexOf(ButtonState::Hot)].clear();
    openDialog();
    clickExport();
    for (const ButtonState state : kButtonStates)
        EXPECT_EQ(readAll(exported(state)), shared_.stateImages[indexOf(state)]);
    EXPECT_TRUE(QFileInfo::exists(exported(ButtonState::Hot)));
    EXPECT_EQ(QFileInfo(exported(ButtonState::Hot)).size(), 0);
    EXPECT_TRUE(desktop_.warnings.isEmpty());
}

TEST_F(PreviewExportDialogTest, AMissingFolderIsToldBeforeTheQuestion) {
    desktop_.folder = QDir(outputFolder_.path()).filePath("制作的图片");
    desktop_.answer = true;
    openDialog();
    clickExport();
    EXPECT_EQ(desktop_.log,
              QStringList({"warn 提示", "ask 提示 是否打开目录？", "open " + desktop_.folder}));
    ASSERT_EQ(desktop_.warnings.size(), 1);
    const QString& note = desktop_.warnings.front();
    EXPECT_TRUE(note.startsWith("以下图片未能写入："));
    for (const QString& name : kFileNames) EXPECT_TRUE(note.contains(name + "：文件夹不存在"));
    EXPECT_FALSE(QFileInfo::exists(desktop_.folder));
}

TEST_F(PreviewExportDialogTest, OneFileThatCannotBeWrittenIsNamedAndTheOthersAreWritten) {
    // A folder standing where the Pressed image goes cannot be replaced by a file.
    ASSERT_TRUE(QDir(desktop_.folder).mkdir(kFileNames[indexOf(ButtonState::Pressed)]));
    openDialog();
    clickExport();
    ASSERT_EQ(desktop_.warnings.size(), 1);
    const QStringList lines = desktop_.warnings.front().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(kFileNames[indexOf(ButtonState::Pressed)] + "：写入出错"));
    for (const ButtonState state : {ButtonState::Normal, ButtonState::Hot, ButtonState::Disabled})
        EXPECT_EQ(readAll(exported(state)), shared_.stateImages[indexOf(state)]);
    EXPECT_EQ(desktop_.log.back(), "ask 提示 是否打开目录？");
}

}  // namespace
}  // namespace brontel
