#include "ui/colour_picker.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QColorDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "act_when_shown.h"
#include "ui/palette_grid.h"

namespace brontel {
namespace {

QAction* findAction(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

void chooseEntry(QMenu* menu, QAction* action) {
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
}

TEST(ColourPicker, SettingFromCodeIsSilent) {
    ColourPicker picker(0x000000, false);
    QSignalSpy picked(&picker, &ColourPicker::colourPicked);
    picker.setColour(0x123456);
    EXPECT_EQ(picker.colour(), 0x123456u);
    EXPECT_EQ(picked.count(), 0);
}

TEST(ColourPicker, PickingTakesTheColourAndReportsEvenTheSameColour) {
    ColourPicker picker(0x00FF00, true);
    QSignalSpy picked(&picker, &ColourPicker::colourPicked);
    picker.pickColour(0x0000FF);
    picker.pickColour(0x0000FF);
    EXPECT_EQ(picker.colour(), 0x0000FFu);
    EXPECT_EQ(picked.count(), 2);
}

struct NoColourCase {
    const char* name;
    bool offered;
    Colour expected;
    int reports;
};

void PrintTo(const NoColourCase& c, std::ostream* os) {
    *os << c.name;
}

class ColourPickerNoColour : public testing::TestWithParam<NoColourCase> {};

TEST_P(ColourPickerNoColour, OnlyPickersOfferingItCanYieldNoColour) {
    const NoColourCase& c = GetParam();
    ColourPicker picker(0x808080, c.offered);
    QSignalSpy picked(&picker, &ColourPicker::colourPicked);
    picker.pickColour(NoColour);
    EXPECT_EQ(picker.colour(), c.expected);
    EXPECT_EQ(picked.count(), c.reports);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourPickerNoColour,
                         testing::Values(NoColourCase{"Offered", true, NoColour, 1},
                                         NoColourCase{"NotOffered", false, 0x808080, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class ColourPickerPalette : public testing::Test {
protected:
    ColourPickerPalette() {
        picker.resize(48, 20);
        picker.show();
    }

    // Clicks the picker and lets `act` work on the palette it drops down.
    bool openPalette(const std::function<void(QMenu*)>& act) {
        test::ActWhenShown<QMenu> onMenu(act);
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(10, 10));
        return onMenu.acted();
    }

    ColourPicker picker{0x000000, true};
    QSignalSpy picked{&picker, &ColourPicker::colourPicked};
};

TEST_F(ColourPickerPalette, SwatchClickPicksItsColour) {
    const int index = 9;
    ASSERT_TRUE(openPalette([&](QMenu* menu) {
        auto* grid = menu->findChild<PaletteGrid*>();
        ASSERT_NE(grid, nullptr);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->swatchRect(index).center());
    }));
    EXPECT_EQ(picker.colour(), PaletteGrid::colours()[index]);
    EXPECT_EQ(picked.count(), 1);
}

TEST_F(ColourPickerPalette, NoColourEntryYieldsTheMarker) {
    ASSERT_TRUE(openPalette([](QMenu* menu) {
        QAction* none = findAction(menu, QStringLiteral("透明"));
        ASSERT_NE(none, nullptr);
        chooseEntry(menu, none);
    }));
    EXPECT_EQ(picker.colour(), NoColour);
    EXPECT_EQ(picked.count(), 1);
}

TEST_F(ColourPickerPalette, OtherColoursOpensTheColourDialog) {
    test::ActWhenShown<QColorDialog> onDialog([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    ASSERT_TRUE(openPalette([](QMenu* menu) {
        QAction* other = findAction(menu, QStringLiteral("其它颜色..."));
        ASSERT_NE(other, nullptr);
        chooseEntry(menu, other);
    }));
    EXPECT_TRUE(onDialog.acted());
    EXPECT_EQ(picker.colour(), rgb(1, 2, 3));
    EXPECT_EQ(picked.count(), 1);
}

TEST_F(ColourPickerPalette, ClosingThePaletteWithoutChoiceRaisesNothing) {
    ASSERT_TRUE(openPalette([](QMenu* menu) { menu->close(); }));
    EXPECT_EQ(picker.colour(), 0x000000u);
    EXPECT_EQ(picked.count(), 0);
}

TEST(ColourPickerEntries, PickerWithoutNoColourHasNoSuchEntry) {
    ColourPicker picker(0x000000, false);
    picker.resize(48, 20);
    picker.show();
    bool hasNoColourEntry = true;
    test::ActWhenShown<QMenu> onMenu([&](QMenu* menu) {
        hasNoColourEntry = findAction(menu, QStringLiteral("透明")) != nullptr;
        EXPECT_NE(findAction(menu, QStringLiteral("其它颜色...")), nullptr);
        menu->close();
    });
    QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(onMenu.acted());
    EXPECT_FALSE(hasNoColourEntry);
}

}  // namespace
}  // namespace brontel
