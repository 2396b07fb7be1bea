#pragma once

#include <gtest/gtest.h>

#include <QImage>

namespace brontel {

// Whether two images hold the same ARGB values; on a difference, where and what.
inline testing::AssertionResult samePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    }
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != e.pixel(x, y)) {
                return testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << a.pixel(x, y)
                       << ", expected " << e.pixel(x, y);
            }
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace brontel
