#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "ui/caption_editor.h"
#include "ui/caption_field_handlers.h"
#include "ui/edit_box.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/four_captions_dialog.h"
#include "ui/group_box.h"

namespace brontel {
namespace {

// Acts inside the nested loop of the next modal dialog, as the user would, once it shows.
void whenDialogOpens(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog opened";
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    });
}

// Chinese text arrives as the input method's committed string, not as key presses.
void typeChinese(QWidget& box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(&box, &commit);
}

template <typename T>
T& child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromUtf8(name));
    if (found == nullptr) throw std::runtime_error(name);
    return *found;
}

void click(QWidget& dialog, const char* buttonName) {
    QTest::mouseClick(&child<QPushButton>(dialog, buttonName), Qt::LeftButton);
}

QString caption(const FaceWidget& face) {
    return QString::fromStdString(face.style().caption());
}

// The main window's side of the captions: a state page's field, the shared field wired to
// its content-changed handler, and the four faces.
class CaptionFieldsTest : public ::testing::Test {
protected:
    CaptionFieldsTest() {
        stateField_ = new EditBox(&window_);
        stateField_->setReadOnlyBox(true);
        stateField_->setContent("点击设置");
        sharedField_ = new EditBox(&window_);
        sharedField_->setContent("点击设置");
        QObject::connect(sharedField_, &EditBox::contentChanged,
                         [this] { onSharedCaptionFieldChanged(board_, shared_); });
    }

    FaceWidget& hotFace() { return board_.face(ButtonState::Hot); }
    void editHotCaption() {
        onStateCaptionFieldReleased(*stateField_, hotFace(), shared_, &window_);
    }
    void editFourCaptions() { onSharedCaptionFieldReleased(*sharedField_, shared_, &window_); }
    QStringList faceCaptions() const {
        QStringList captions;
        for (const ButtonState state : kButtonStates) captions << caption(board_.face(state));
        return captions;
    }

    SharedSettings shared_;
    QWidget window_;
    FaceBoard board_{&window_};
    EditBox* stateField_ = nullptr;
    EditBox* sharedField_ = nullptr;
};

struct EditorCase {
    const char* name;
    QString fieldBefore;
    std::function<void(QPlainTextEdit&)> edit;
    const char* button;
    QString fieldAfter;
    QString faceCaption;
};

const char* const kOk = "按钮预览_按钮";
const char* const kCancel = "按钮预览_按钮1";

TEST_F(CaptionFieldsTest, TheCaptionEditorGivesBackItsTextOnlyWhenConfirmed) {
    const auto none = [](QPlainTextEdit&) {};
    const auto clear = [](QPlainTextEdit& box) {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Delete);
    };
    const auto append = [](QPlainTextEdit& box) {
        box.moveCursor(QTextCursor::End);
        typeChinese(box, "新");
    };
    const auto breakAfterFirst = [](QPlainTextEdit& box) {
        box.moveCursor(QTextCursor::Start);
        QTest::keyClick(&box, Qt::Key_Right);
        QTest::keyClick(&box, Qt::Key_Return);
    };
    const std::vector<EditorCase> cases{
        {"untouched, confirmed", "点击设置", none, kOk, "点击设置", "点击设置"},
        {"untouched, cancelled", "点击设置", none, kCancel, "点击设置", "点击设置"},
        {"cleared, confirmed", "点击设置", clear, kOk, "点击设置", ""},
        {"cleared, cancelled", "旧文字", clear, kCancel, "旧文字", "旧文字"},
        {"edited, cancelled", "旧文字", append, kCancel, "旧文字", "旧文字"},
        {"edited, confirmed", "旧文字", append, kOk, "旧文字新", "旧文字新"},
        {"Enter breaks the line", "AB", breakAfterFirst, kOk, "A\nB", "A\nB"},
    };
    for (const EditorCase& editorCase : cases) {
        SCOPED_TRACE(editorCase.name);
        stateField_->setContent(editorCase.fieldBefore);
        QString shownAtOpening;
        whenDialogOpens([&](QDialog& editor) {
            auto& box = child<QPlainTextEdit>(editor, "编辑框1");
            shownAtOpening = box.toPlainText();
            editorCase.edit(box);
            click(editor, editorCase.button);
        });
        editHotCaption();
        EXPECT_EQ(shownAtOpening, editorCase.fieldBefore);
        EXPECT_EQ(stateField_->content(), editorCase.fieldAfter);
        EXPECT_EQ(caption(hotFace()), editorCase.faceCaption);
        EXPECT_EQ(QString::fromStdString(shared_.editingText), editorCase.faceCaption);
    }
}

TEST_F(CaptionFieldsTest, ACaptionOfSeveralLinesComesBackWholeAtTheNextOpening) {
    whenDialogOpens([](QDialog& editor) {
        child<QPlainTextEdit>(editor, "编辑框1").setPlainText("上\n下");
        click(editor, kOk);
    });
    editHotCaption();
    QString shownAtOpening;
    whenDialogOpens([&](QDialog& editor) {
        shownAtOpening = child<QPlainTextEdit>(editor, "编辑框1").toPlainText();
        click(editor, kCancel);
    });
    editHotCaption();
    EXPECT_EQ(shownAtOpening, "上\n下");
    EXPECT_EQ(caption(hotFace()), "上\n下");
}

QStringList boxTexts(QDialog& dialog) {
    QStringList texts;
    for (const char* name : {"编辑框1", "编辑框2", "编辑框3", "编辑框4"})
        texts << child<EditBox>(dialog, name).content();
    return texts;
}

TEST_F(CaptionFieldsTest, TheFirstOpeningShowsFourEmptyBoxesAndConfirmingEmptiesTheFaces) {
    for (const QString& initial : faceCaptions()) ASSERT_FALSE(initial.isEmpty());
    QStringList shown;
    bool firstBoxFocused = false;
    whenDialogOpens([&](QDialog& dialog) {
        shown = boxTexts(dialog);
        firstBoxFocused = dialog.focusWidget() == &child<EditBox>(dialog, "编辑框1");
        click(dialog, "按钮1");
    });
    editFourCaptions();
    EXPECT_EQ(shown, QStringList({"", "", "", ""}));
    EXPECT_TRUE(firstBoxFocused);
    EXPECT_EQ(sharedField_->content(), ",,,");
    EXPECT_EQ(faceCaptions(), QStringList({"", "", "", ""}));
}

TEST_F(CaptionFieldsTest, CancellingStillPutsTheStoredCaptionsBackOnTheFaces) {
    shared_.stateTexts = {"一", "二", "三", "四"};
    hotFace().changeStyle([](FaceStyle& style) { style.setCaption("单独设置"); });
    whenDialogOpens([](QDialog& dialog) {
        typeChinese(child<EditBox>(dialog, "编辑框2"), "改");
        click(dialog, "按钮2");
    });
    editFourCaptions();
    EXPECT_EQ(sharedField_->content(), "一,二,三,四");
    EXPECT_EQ(faceCaptions(), QStringList({"一", "二", "三", "四"}));
    EXPECT_EQ(shared_.stateTexts[1], "二");
}

TEST_F(CaptionFieldsTest, TheTickedBoxCopiesTheNormalCaptionAndUntickingEmptiesTheOthers) {
    shared_.stateTexts = {"", "b", "c", "d"};
    std::vector<QStringList> seen;
    whenDialogOpens([&](QDialog& dialog) {
        auto& first = child<EditBox>(dialog, "编辑框1");
        auto& unify = child<QCheckBox>(dialog, "选择框1");
        QTest::keyClicks(&first, "N");
        seen.push_back(boxTexts(dialog));
        QTest::mouseClick(&unify, Qt::LeftButton);
        seen.push_back(boxTexts(dialog));
        QTest::keyClicks(&first, "M");
        seen.push_back(boxTexts(dialog));
        QTest::mouseClick(&unify, Qt::LeftButton);
        seen.push_back(boxTexts(dialog));
        click(dialog, "按钮1");
    });
    editFourCaptions();
    const std::vector<QStringList> expected{
        {"N", "b", "c", "d"}, {"N", "N", "N", "N"}, {"NM", "NM", "NM", "NM"}, {"NM", "", "", ""}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(faceCaptions(), QStringList({"NM", "", "", ""}));
}

TEST_F(CaptionFieldsTest, ACommaInACaptionIsKeptWhole) {
    whenDialogOpens([](QDialog& dialog) {
        QTest::keyClicks(&child<EditBox>(dialog, "编辑框1"), "a,b");
        click(dialog, "按钮1");
    });
    editFourCaptions();
    EXPECT_EQ(sharedField_->content(), "a,b,,,");
    EXPECT_EQ(faceCaptions(), QStringList({"a,b", "", "", ""}));
}

TEST_F(CaptionFieldsTest, TypingInTheSharedFieldReappliesTheStoredCaptions) {
    shared_.stateTexts = {"一", "二", "三", "四"};
    hotFace().changeStyle([](FaceStyle& style) { style.setCaption("单独设置"); });
    QTest::keyClicks(sharedField_, "x");
    EXPECT_EQ(faceCaptions(), QStringList({"一", "二", "三", "四"}));
    EXPECT_EQ(sharedField_->content(), "点击设置x");
}

struct ControlPlace {
    const char* name;
    QRect place;
    const char* text;
};

void expectPlaces(QWidget& dialog, const std::vector<ControlPlace>& places) {
    for (const ControlPlace& control : places) {
        SCOPED_TRACE(control.name);
        auto& widget = child<QWidget>(dialog, control.name);
        EXPECT_EQ(widget.geometry(), control.place);
        if (control.text) {
            EXPECT_EQ(widget.property("text").toString(), control.text);
        }
    }
}

void expectFramelessWhiteAndCentred(QDialog& dialog, QSize size) {
    EXPECT_EQ(dialog.size(), size);
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(Qt::white));
    const QPoint offCentre =
        dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

TEST(CaptionDialogLayout, TheEditorPlacesItsControls) {
    std::string editingText = "文字";
    CaptionEditor editor(editingText);
    expectFramelessWhiteAndCentred(editor, {504, 349});
    expectPlaces(editor, {{"标签1", {7, 0, 104, 24}, "编辑按钮文本"},
                          {"编辑框1", {4, 24, 496, 288}, nullptr},
                          {kOk, {185, 316, 64, 24}, "确定"},
                          {kCancel, {255, 316, 64, 24}, "取消"}});
    auto& box = child<QPlainTextEdit>(editor, "编辑框1");
    EXPECT_EQ(box.toPlainText(), "文字");
    EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box.lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST(CaptionDialogLayout, TheFourCaptionsDialogPlacesItsControls) {
    PerState<std::string> texts;
    FourCaptionsDialog dialog(texts);
    expectFramelessWhiteAndCentred(dialog, {296, 174});
    auto& group = child<GroupBox>(dialog, "分组框1");
    EXPECT_EQ(group.geometry(), QRect(6, 3, 285, 168));
    EXPECT_EQ(group.title(), "按钮文字设定");
    expectPlaces(group, {{"标签1", {8, 16, 80, 20}, "正常按钮文字"},
                         {"标签2", {8, 40, 80, 20}, "点燃按钮文字"},
                         {"标签3", {8, 64, 80, 20}, "按下按钮文字"},
                         {"标签4", {8, 88, 80, 20}, "禁止按钮文字"},
                         {"编辑框1", {86, 16, 192, 20}, nullptr},
                         {"编辑框2", {86, 40, 192, 20}, nullptr},
                         {"编辑框3", {86, 64, 192, 20}, nullptr},
                         {"编辑框4", {86, 88, 192, 20}, nullptr},
                         {"选择框1", {80, 110, 152, 24}, "统一使用正常按钮文字"},
                         {"按钮1", {72, 134, 64, 24}, "确定"},
                         {"按钮2", {150, 134, 64, 24}, "取消"}});
    EXPECT_FALSE(child<QCheckBox>(group, "选择框1").isChecked());

    const std::vector<std::pair<const char*, QColor>> labelColours{{"标签1", {255, 168, 255}},
                                                                   {"标签2", {138, 217, 255}},
                                                                   {"标签3", {96, 255, 152}},
                                                                   {"标签4", {255, 255, 128}}};
    for (const auto& [name, colour] : labelColours) {
        SCOPED_TRACE(name);
        // The far right of the label holds no text, only its ground.
        EXPECT_EQ(child<QLabel>(group, name).grab().toImage().pixelColor(79, 0), colour);
    }
}

}  // namespace
}  // namespace brontel
