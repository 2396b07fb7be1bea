#include "ui/combo_box.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

namespace brontel {
namespace {

class ComboBoxTest : public testing::Test {
protected:
    ComboBoxTest() {
        combo.addValuedItem(QStringLiteral("真"), 1);
        combo.addValuedItem(QStringLiteral("假"), 0);
        combo.addValuedItem(QStringLiteral("不使用"), 3);
    }

    ComboBox combo;
};

TEST_F(ComboBoxTest, ChooseIndexSelectsAndReportsTheItemsValue) {
    QSignalSpy chosen(&combo, &ComboBox::itemChosen);
    combo.chooseIndex(2);
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(combo.currentValue(), 3);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 3);
}

TEST_F(ComboBoxTest, ChoosingTheSelectedItemAgainStillReports) {
    combo.setCurrentIndex(1);
    QSignalSpy chosen(&combo, &ComboBox::itemChosen);
    combo.chooseIndex(1);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 0);
}

TEST_F(ComboBoxTest, SelectingFromCodeIsSilent) {
    QSignalSpy chosen(&combo, &ComboBox::itemChosen);
    combo.setCurrentIndex(1);
    EXPECT_EQ(combo.currentValue(), 0);
    EXPECT_EQ(chosen.count(), 0);
}

TEST_F(ComboBoxTest, IndexOutsideTheListChangesNothing) {
    combo.setCurrentIndex(1);
    QSignalSpy chosen(&combo, &ComboBox::itemChosen);
    combo.chooseIndex(3);
    combo.chooseIndex(-1);
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_EQ(chosen.count(), 0);
}

TEST_F(ComboBoxTest, UsersKeyboardChoiceReportsTheNewValue) {
    combo.setCurrentIndex(0);
    QSignalSpy chosen(&combo, &ComboBox::itemChosen);
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.currentIndex(), 1);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 0);
}

TEST_F(ComboBoxTest, ListRowsAreOnePixelTallerThanTheStylesDefault) {
    QComboBox plain;
    plain.addItem(QStringLiteral("真"), 1);
    const int defaultHeight = plain.view()->sizeHintForRow(0);
    ASSERT_GT(defaultHeight, 0);
    EXPECT_EQ(combo.view()->sizeHintForRow(0), defaultHeight + 1);
}

}  // namespace
}  // namespace brontel
