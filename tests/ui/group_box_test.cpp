#include "ui/group_box.h"

#include <gtest/gtest.h>

#include <QImage>

namespace brontel {
namespace {

// Columns and rows holding dark ink within the band of the title.
QRect inkBounds(const QImage& image, int bandHeight) {
    QRect bounds;
    for (int y = 0; y < bandHeight; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

TEST(GroupBox, TitleIsCentredInTheTopEdgeOnWhite) {
    for (int height : {16, 12}) {
        GroupBox box(QStringLiteral("统一按设置钮"), height);
        box.resize(300, 80);
        const QImage image = box.grab().toImage();
        const QRect ink = inkBounds(image, height + 4);
        ASSERT_FALSE(ink.isEmpty()) << "no title at " << height;
        EXPECT_NEAR(ink.center().x(), 150, 3) << height;
        EXPECT_GT(ink.width(), 6 * height - 12) << "six characters at " << height;
        EXPECT_EQ(image.pixelColor(150, 60), QColor(Qt::white));
    }
}

}  // namespace
}  // namespace brontel
