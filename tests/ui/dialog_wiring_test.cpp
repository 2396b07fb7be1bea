#include "ui/dialog_wiring.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "act_when_shown.h"
#include "ui/application_shell.h"
#include "ui/caption_editor.h"
#include "ui/edit_box.h"
#include "ui/face_widget.h"
#include "ui/four_captions_dialog.h"
#include "ui/main_window.h"
#include "ui/vertical_tab_control.h"

namespace brontel {
namespace {

const QString kStateWords[] = {"正常", "点燃", "按下", "禁止"};

// The program's main window with all its reactions wired, its caption fields driven by mouse.
class DialogWiringTest : public testing::Test {
protected:
    DialogWiringTest() { shell.openMainWindow(); }

    MainWindow& window() { return *shell.mainWindow(); }

    template <typename Control>
    Control& control(const QString& name) {
        auto* found = window().findChild<Control*>(name);
        if (found == nullptr) throw std::runtime_error(name.toStdString());
        return *found;
    }
    FaceWidget& face(ButtonState state) {
        return control<FaceWidget>(QStringLiteral("标签_%1按钮").arg(kStateWords[indexOf(state)]));
    }
    EditBox& captionField(ButtonState state) {
        return control<EditBox>(
            QStringLiteral("按钮%1_按钮文字_编辑框").arg(kStateWords[indexOf(state)]));
    }
    EditBox& sharedCaptionsField() { return control<EditBox>("统一按钮_文本_编辑框"); }

    QStringList faceCaptions() {
        QStringList captions;
        for (ButtonState state : kButtonStates)
            captions << QString::fromStdString(face(state).style().caption());
        return captions;
    }

    ApplicationShell shell;
};

template <typename T>
T& child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromUtf8(name));
    if (found == nullptr) throw std::runtime_error(name);
    return *found;
}

TEST_F(DialogWiringTest, TheInitialCaptionsSurviveStartUp) {
    QApplication::processEvents();
    EXPECT_EQ(sharedCaptionsField().content(), "点击设置");
    EXPECT_EQ(faceCaptions(),
              QStringList({"正常按钮文字", "点燃按钮文字", "按下按钮文字", "禁止按钮文字"}));
}

TEST_F(DialogWiringTest, EachPageCaptionFieldEditsItsOwnFace) {
    for (ButtonState state : kButtonStates) {
        SCOPED_TRACE(indexOf(state));
        window().settingsTabs().setCurrentPage(static_cast<int>(indexOf(state)));
        const QStringList before = faceCaptions();
        const QString edited = QStringLiteral("第%1个").arg(indexOf(state));
        test::ActWhenShown<CaptionEditor> answer([&edited](CaptionEditor* editor) {
            child<QPlainTextEdit>(*editor, "编辑框1").setPlainText(edited);
            QTest::mouseClick(&child<QPushButton>(*editor, "按钮预览_按钮"), Qt::LeftButton);
        });
        QTest::mouseClick(&captionField(state), Qt::LeftButton);
        ASSERT_TRUE(answer.acted()) << "the caption editor did not open";
        QStringList expected = before;
        expected[static_cast<int>(indexOf(state))] = edited;
        EXPECT_EQ(faceCaptions(), expected);
        EXPECT_EQ(captionField(state).content(), edited);
    }
}

TEST_F(DialogWiringTest, TheSharedFieldOpensTheFourCaptionsAndPutsThemOnTheFaces) {
    test::ActWhenShown<FourCaptionsDialog> answer([](FourCaptionsDialog* dialog) {
        const char* const boxes[] = {"编辑框1", "编辑框2", "编辑框3", "编辑框4"};
        const char* const texts[] = {"甲", "乙", "丙,丁", ""};
        for (int i = 0; i < 4; ++i) child<EditBox>(*dialog, boxes[i]).setContent(texts[i]);
        QTest::mouseClick(&child<QPushButton>(*dialog, "按钮1"), Qt::LeftButton);
    });
    QTest::mouseClick(&sharedCaptionsField(), Qt::LeftButton);
    ASSERT_TRUE(answer.acted()) << "the four-captions dialog did not open";
    EXPECT_EQ(sharedCaptionsField().content(), "甲,乙,丙,丁,");
    EXPECT_EQ(faceCaptions(), QStringList({"甲", "乙", "丙,丁", ""}));
}

TEST_F(DialogWiringTest, TypingIntoTheSharedFieldReappliesTheStoredCaptions) {
    shell.sharedSettings().stateTexts = {"一", "二", "三", "四"};
    EditBox& field = sharedCaptionsField();
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_X);
    EXPECT_EQ(faceCaptions(), QStringList({"一", "二", "三", "四"}));
    EXPECT_EQ(field.content(), "点击设置x");
}

}  // namespace
}  // namespace brontel
