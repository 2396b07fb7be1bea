#include "ui/edit_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "act_when_shown.h"
#include "model/gbk_text.h"

namespace brontel {
namespace {

// Types text one character at a time as the keyboard delivers it, Chinese included.
void type(EditBox& box, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &release);
    }
}

void paste(EditBox& box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
}

struct IntegerCase {
    const char* name;
    bool integerInput;
    const char* typed;
    const char* expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
    *os << c.name;
}

class EditBoxTyping : public testing::TestWithParam<IntegerCase> {};

TEST_P(EditBoxTyping, IntegerInputKeepsOnlyDigitsAndMinus) {
    const IntegerCase& c = GetParam();
    EditBox box;
    box.setIntegerInput(c.integerInput);
    QSignalSpy changed(&box, &EditBox::contentChanged);
    type(box, QString::fromUtf8(c.typed));
    EXPECT_EQ(box.content(), QString::fromUtf8(c.expected));
    EXPECT_EQ(changed.count(), QString::fromUtf8(c.expected).size());
}

INSTANTIATE_TEST_SUITE_P(Cases, EditBoxTyping,
                         testing::Values(IntegerCase{"LetterIgnored", true, "a", ""},
                                         IntegerCase{"MinusAndDigits", true, "-120", "-120"},
                                         IntegerCase{"MixedKeepsDigits", true, "1a2.b-", "12-"},
                                         IntegerCase{"FullWidthDigitIgnored", true, "１2", "2"},
                                         IntegerCase{"SpaceIgnored", true, "1 2", "12"},
                                         IntegerCase{"PlainBoxTakesAll", false, "a1.", "a1."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EditBox, IntegerInputLeavesControlKeysPasteAndProgramTextAlone) {
    EditBox box;
    box.setIntegerInput(true);
    box.setContent(QStringLiteral("x1"));
    EXPECT_EQ(box.content(), QStringLiteral("x1"));
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.content(), QStringLiteral("x"));
    box.clear();
    paste(box, QStringLiteral("219.9"));
    EXPECT_EQ(box.content(), QStringLiteral("219.9"));
}

struct LimitCase {
    const char* name;
    int limit;
    const char* initial;  // set by the program
    const char* typed;    // typed after the initial text
    const char* pasted;   // pasted after that
    const char* expected;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class EditBoxLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(EditBoxLimit, UserEditsStayWithinGbkBytes) {
    const LimitCase& c = GetParam();
    EditBox box;
    box.setGbkLengthLimit(c.limit);
    box.setContent(QString::fromUtf8(c.initial));
    box.setCursorPosition(static_cast<int>(box.content().size()));
    QStringList seen;
    QObject::connect(&box, &EditBox::contentChanged, [&] { seen.append(box.content()); });
    type(box, QString::fromUtf8(c.typed));
    if (*c.pasted) paste(box, QString::fromUtf8(c.pasted));
    EXPECT_EQ(box.content(), QString::fromUtf8(c.expected));
    // Handlers only ever see text within the limit, never an edit about to be cut back.
    for (const QString& text : seen) {
        const bool programText = text == QString::fromUtf8(c.initial);
        EXPECT_TRUE(programText || gbkByteLength(text.toStdString()) <= std::size_t(c.limit))
            << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditBoxLimit,
    testing::Values(LimitCase{"TypingStopsAtLimit", 4, "", "abcdef", "", "abcd"},
                    LimitCase{"ChineseCountsTwoBytes", 5, "", "中文字a", "", "中文a"},
                    LimitCase{"PasteCutToWhatFits", 6, "ab", "", "中文字", "ab中文"},
                    LimitCase{"PasteNeverSplitsCharacter", 5, "ab", "", "中文", "ab中"},
                    LimitCase{"ProgramTextMayExceed", 3, "abcdef", "x", "", "abcdef"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditBox, DeletingFromOverlongProgramTextIsAllowed) {
    EditBox box;
    box.setGbkLengthLimit(3);
    box.setContent(QStringLiteral("abcdef"));
    box.setCursorPosition(6);
    QSignalSpy changed(&box, &EditBox::contentChanged);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.content(), QStringLiteral("abcde"));
    EXPECT_EQ(changed.count(), 1);
}

TEST(EditBox, RefusedEditRaisesNothing) {
    EditBox box;
    box.setGbkLengthLimit(2);
    box.setContent(QStringLiteral("ab"));
    box.setCursorPosition(2);
    QSignalSpy changed(&box, &EditBox::contentChanged);
    type(box, QStringLiteral("c"));
    paste(box, QStringLiteral("d"));
    EXPECT_EQ(box.content(), QStringLiteral("ab"));
    EXPECT_EQ(changed.count(), 0);
}

// A paste from the right-click menu is a user edit like any other: held to the limit and
// reported once the menu is gone, so a handler that lets pending events run (as the size
// fields' handlers do) cannot delete the menu while it still handles the click.
TEST(EditBox, PasteFromTheContextMenuIsLimitedAndReportedOnceTheMenuIsGone) {
    EditBox box;
    box.setGbkLengthLimit(4);
    box.show();
    QApplication::clipboard()->setText(QStringLiteral("123456"));
    QStringList seen;
    bool menuGone = false;
    QObject::connect(&box, &EditBox::contentChanged, [&] {
        seen.append(box.content());
        menuGone = box.findChildren<QMenu*>().isEmpty();
        QCoreApplication::processEvents();
    });
    test::ActWhenShown<QMenu> choosePaste([](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (!action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Paste")))
                continue;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
        ADD_FAILURE() << "no paste in the menu";
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &request);
    for (int i = 0; i < 100 && !choosePaste.acted(); ++i) QTest::qWait(10);
    ASSERT_TRUE(choosePaste.acted()) << "the menu did not open";
    EXPECT_EQ(seen, QStringList{QStringLiteral("1234")});
    EXPECT_TRUE(menuGone);
}

TEST(EditBox, SetContentAlwaysRaisesContentChangedOnceInsideTheWrite) {
    EditBox box;
    QStringList seen;
    QObject::connect(&box, &EditBox::contentChanged, [&] { seen.append(box.content()); });
    box.setContent(QStringLiteral("5"));
    box.setContent(QStringLiteral("5"));
    box.setContent(QString());
    EXPECT_EQ(seen, (QStringList{"5", "5", ""}));
}

TEST(EditBox, HandlerMayRewriteTheTextFromInsideContentChanged) {
    // The size fields correct an over-large value by writing the limit back at once.
    EditBox box;
    QObject::connect(&box, &EditBox::contentChanged, [&] {
        if (box.content().toInt() > 220) box.setContent(QStringLiteral("220"));
    });
    type(box, QStringLiteral("300"));
    EXPECT_EQ(box.content(), QStringLiteral("220"));
}

struct ReleaseCase {
    const char* name;
    bool readOnly;
    bool enabled;
    Qt::MouseButton button;
    bool reported;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) {
    *os << c.name;
}

class EditBoxRelease : public testing::TestWithParam<ReleaseCase> {};

TEST_P(EditBoxRelease, LeftButtonReleaseIsReportedUnlessDisabled) {
    const ReleaseCase& c = GetParam();
    EditBox box;
    box.resize(88, 20);
    box.setReadOnlyBox(c.readOnly);
    box.setEnabled(c.enabled);
    QSignalSpy released(&box, &EditBox::leftButtonReleased);
    QTest::mouseClick(&box, c.button, {}, QPoint(10, 10));
    EXPECT_EQ(released.count(), c.reported ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditBoxRelease,
    testing::Values(ReleaseCase{"ReadOnly", true, true, Qt::LeftButton, true},
                    ReleaseCase{"Editable", false, true, Qt::LeftButton, true},
                    ReleaseCase{"Disabled", true, false, Qt::LeftButton, false},
                    ReleaseCase{"RightButton", true, true, Qt::RightButton, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditBox, ReadOnlyBoxCannotBeTypedInto) {
    EditBox box;
    box.setReadOnlyBox(true);
    box.setContent(QStringLiteral("点击设置"));
    QSignalSpy changed(&box, &EditBox::contentChanged);
    type(box, QStringLiteral("x"));
    EXPECT_EQ(box.content(), QStringLiteral("点击设置"));
    EXPECT_EQ(changed.count(), 0);
}

}  // namespace
}  // namespace brontel
