#include "ui/vertical_tab_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <array>

namespace brontel {
namespace {

constexpr std::array kTitles{"按钮正常", "按钮点燃", "按钮按下", "按钮停止"};
constexpr std::array kToolTips{"设置按钮正常", "设置按钮点燃", "设置按钮按下", "设置按钮停止"};

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

class VerticalTabControlTest : public testing::Test {
protected:
    VerticalTabControlTest() {
        control.resize(224, 584);
        for (std::size_t i = 0; i < kTitles.size(); ++i) {
            pages[i] = new QWidget;
            pages[i]->setGeometry(5, 4, 192, 572);
            control.addPage(pages[i], QString::fromUtf8(kTitles[i]),
                            QString::fromUtf8(kToolTips[i]));
        }
    }

    void moveMouseTo(QPoint pos) {
        QMouseEvent move(QEvent::MouseMove, pos, control.mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&control, &move);
    }

    void moveMouseAway() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&control, &leave);
    }

    // The colour of a tab away from its title and its outline.
    QColor drawnColourOfTab(int index) {
        const QImage image = control.grab().toImage();
        return image.pixelColor(control.tabRect(index).topLeft() + QPoint(2, 2));
    }

    VerticalTabControl control;
    std::array<QWidget*, 4> pages{};
};

TEST_F(VerticalTabControlTest, AddingPagesRaisesNothingAndShowsOnlyTheFirst) {
    VerticalTabControl fresh;
    QSignalSpy changed(&fresh, &VerticalTabControl::pageChanged);
    auto* first = new QWidget;
    auto* second = new QWidget;
    fresh.addPage(first, QStringLiteral("一"), QString());
    EXPECT_EQ(fresh.addPage(second, QStringLiteral("二"), QString()), 1);
    EXPECT_EQ(first->parentWidget(), &fresh);
    EXPECT_EQ(fresh.currentPage(), 0);
    EXPECT_FALSE(first->isHidden());
    EXPECT_TRUE(second->isHidden());
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(VerticalTabControlTest, SetCurrentPageRaisesPageChangedOnceTheNewPageShows) {
    std::vector<std::pair<int, bool>> reports;  // index, and whether only its page showed
    QObject::connect(&control, &VerticalTabControl::pageChanged, [&](int index) {
        bool onlyThatPage = true;
        for (int i = 0; i < 4; ++i) onlyThatPage &= pages[i]->isHidden() == (i != index);
        reports.emplace_back(index, onlyThatPage && control.currentPage() == index);
    });
    control.setCurrentPage(3);
    EXPECT_EQ(reports, (std::vector<std::pair<int, bool>>{{3, true}}));
}

TEST_F(VerticalTabControlTest, CurrentOrUnknownPageChangesNothing) {
    QSignalSpy changed(&control, &VerticalTabControl::pageChanged);
    for (int index : {0, -1, 4}) control.setCurrentPage(index);
    EXPECT_EQ(control.currentPage(), 0);
    EXPECT_FALSE(pages[0]->isHidden());
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(VerticalTabControlTest, ClickingATabSwitchesToItsPage) {
    QSignalSpy changed(&control, &VerticalTabControl::pageChanged);
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.tabRect(2).center());
    EXPECT_EQ(control.currentPage(), 2);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
    EXPECT_FALSE(pages[2]->isHidden());
}

TEST_F(VerticalTabControlTest, TabsStandInOneColumnAtTheRightEdge) {
    for (int i = 0; i < 4; ++i) {
        const QRect tab = control.tabRect(i);
        EXPECT_EQ(tab.width(), 20);
        EXPECT_EQ(tab.right(), control.width() - 1);
        EXPECT_EQ(tab.top(), i == 0 ? 0 : control.tabRect(i - 1).bottom() + 1);
        // Four characters one below the other, a pixel apart, fit in the tab.
        EXPECT_GE(tab.height(), 4 * 12 + 3);
    }
}

TEST_F(VerticalTabControlTest, StartsWithTheStoredColours) {
    EXPECT_EQ(control.tabColour(), 0xFFFFFFu);
    EXPECT_EQ(control.hotTabColour(), 0xFFC4FFu);
    EXPECT_EQ(control.currentTabColour(), 0xFFBBFFu);
    EXPECT_EQ(drawnColourOfTab(0), QColor(255, 187, 255));
    EXPECT_EQ(drawnColourOfTab(1), QColor(255, 255, 255));
}

struct ColourCase {
    const char* name;
    int current;
    int underPointer;              // -1: the pointer is elsewhere
    std::array<char, 4> expected;  // t: tab colour, h: hot, c: current
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << c.name;
}

class VerticalTabControlColours : public VerticalTabControlTest,
                                  public testing::WithParamInterface<ColourCase> {};

TEST_P(VerticalTabControlColours, EachTabTakesTheColourOfItsState) {
    const ColourCase& c = GetParam();
    control.setTabColour(rgb(10, 20, 30));
    control.setHotTabColour(0xA2FAFA);
    control.setCurrentTabColour(0x28F2F2);
    control.setCurrentPage(c.current);
    moveMouseTo(c.underPointer >= 0 ? control.tabRect(c.underPointer).center() : QPoint(50, 50));
    for (int i = 0; i < 4; ++i) {
        const Colour want = c.expected[i] == 'h'   ? 0xA2FAFA
                            : c.expected[i] == 'c' ? 0x28F2F2
                                                   : rgb(10, 20, 30);
        EXPECT_EQ(drawnColourOfTab(i), toQColor(want)) << "tab " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerticalTabControlColours,
    testing::Values(ColourCase{"PointerAway", 3, -1, {'t', 't', 't', 'c'}},
                    ColourCase{"PointerOverOtherTab", 3, 1, {'t', 'h', 't', 'c'}},
                    ColourCase{"PointerOverCurrentTab", 3, 3, {'t', 't', 't', 'h'}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VerticalTabControlTest, LeavingTheControlEndsTheHotTab) {
    moveMouseTo(control.tabRect(2).center());
    moveMouseAway();
    EXPECT_EQ(drawnColourOfTab(2), QColor(255, 255, 255));
}

TEST(VerticalTabControl, MovingFromATabOntoThePageEndsTheHotTab) {
    QWidget window;
    window.resize(240, 600);
    auto* control = new VerticalTabControl(&window);
    control->setGeometry(0, 8, 224, 584);
    auto* page = new QWidget;
    page->setGeometry(5, 4, 192, 572);
    control->addPage(page, QStringLiteral("按钮正常"), QString());
    control->addPage(new QWidget, QStringLiteral("按钮点燃"), QString());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto colourOfTab1 = [&] {
        return control->grab().toImage().pixelColor(control->tabRect(1).topLeft() + QPoint(2, 2));
    };
    QTest::mouseMove(window.windowHandle(), control->mapTo(&window, control->tabRect(1).center()));
    ASSERT_EQ(colourOfTab1(), QColor(255, 196, 255));
    QTest::mouseMove(window.windowHandle(), control->mapTo(&window, QPoint(100, 100)));
    EXPECT_EQ(colourOfTab1(), QColor(255, 255, 255));
}

TEST_F(VerticalTabControlTest, TitleIsWrittenTopToBottomCentredAcrossTheTab) {
    const QImage image = control.grab().toImage();
    const QRect tab = control.tabRect(0);
    int top = tab.bottom(), bottom = tab.top(), left = tab.right(), right = tab.left();
    for (int y = tab.top() + 1; y < tab.bottom(); ++y) {
        for (int x = tab.left() + 1; x < tab.right(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128) continue;
            top = std::min(top, y), bottom = std::max(bottom, y);
            left = std::min(left, x), right = std::max(right, x);
        }
    }
    ASSERT_LE(top, bottom) << "no title drawn";
    EXPECT_GT(bottom - top, 3 * 13) << "four characters stacked";
    EXPECT_LE(right - left + 1, 16);
    EXPECT_LE(std::abs((left - tab.left()) - (tab.right() - right)), 2);
}

TEST_F(VerticalTabControlTest, HoveringATabShowsItsToolTip) {
    control.show();
    const QPoint pos = control.tabRect(1).center();
    QHelpEvent help(QEvent::ToolTip, pos, control.mapToGlobal(pos));
    QApplication::sendEvent(&control, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("设置按钮点燃"));
    QToolTip::hideText();
}

}  // namespace
}  // namespace brontel
