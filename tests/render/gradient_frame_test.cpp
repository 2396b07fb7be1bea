#include "render/gradient_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/gradient_colour.h"
#include "render/surface_test_support.h"

namespace brontel {
namespace {

using test::colourAt;
using test::isUntouched;
using test::untouchedSurface;

const ColourList kGreyWhiteGrey = ColourList::fromFields(0x808080, 0xFFFFFF, 0x808080);
const ColourList kBlackToWhite = ColourList::fromFields(0x000000, NoColour, 0xFFFFFF);

// Which band paints each pixel of a framed client; '.' is the inside the frame leaves
// alone. Each band's colour depends on the distance from its own top or left edge.
struct MitreCase {
    const char* what;
    int frameWidth;
    int side;       // thickness of the left and right bands
    int topBottom;  // thickness of the top and bottom bands
    std::vector<std::string> bands;
};

const MitreCase kMitreCases[] = {
    {"bands of 4 and 3 (half the height): mitres not at 45 degrees",
     4,
     4,
     3,
     {
         "LTTTTTTTTR",  //
         "LLTTTTTTRR",  //
         "LLLTTTTRRR",  //
         "LLLL..RRRR",  //
         "LLLBBBBRRR",  //
         "LLBBBBBBRR",  //
         "LBBBBBBBBR",  //
     }},
    {"bands of 3 and 1: centres exactly on the diagonal go to the top and bottom bands",
     3,
     3,
     1,
     {
         "LTTTTTTR",  //
         "LLL..RRR",  //
         "LBBBBBBR",  //
     }},
};

Colour bandColour(char band, QPoint at, QSize client, const MitreCase& c,
                  const ColourList& colours) {
    switch (band) {
        case 'T':
            return gradientColourAt(at.y(), c.topBottom, colours);
        case 'B':
            return gradientColourAt(at.y() - (client.height() - c.topBottom), c.topBottom, colours);
        case 'L':
            return gradientColourAt(at.x(), c.side, colours);
        default:
            return gradientColourAt(at.x() - (client.width() - c.side), c.side, colours);
    }
}

TEST(DrawGradientFrame, MitresEachCornerAlongItsDiagonal) {
    for (const MitreCase& c : kMitreCases) {
        const QRect client(1, 2, static_cast<int>(c.bands[0].size()),
                           static_cast<int>(c.bands.size()));
        QImage surface = untouchedSurface(client.width() + 2, client.height() + 3);
        ASSERT_TRUE(
            drawGradientFrame(surface, client, surface.rect(), c.frameWidth, kBlackToWhite));
        for (int y = 0; y < surface.height(); ++y) {
            for (int x = 0; x < surface.width(); ++x) {
                const QPoint at(x - client.left(), y - client.top());
                const char band = client.contains(x, y) ? c.bands[at.y()][at.x()] : '.';
                if (band == '.') {
                    EXPECT_TRUE(isUntouched(surface, x, y)) << c.what << ": " << x << "," << y;
                } else {
                    EXPECT_EQ(colourAt(surface, x, y),
                              bandColour(band, at, client.size(), c, kBlackToWhite))
                        << c.what << ": " << band << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(DrawGradientFrame, BandsRunFromOuterEdgeAtTopLeftAndInnerEdgeAtBottomRight) {
    const Colour c1 = rgb(0, 0, 0), c2 = rgb(200, 100, 50), c3 = rgb(1, 255, 0);
    const std::vector<Colour> outsideIn = {c1, rgb(100, 50, 25), c2, rgb(101, 177, 25), c3};
    const std::vector<Colour> insideOut(outsideIn.rbegin(), outsideIn.rend());
    QImage surface = untouchedSurface(60, 40);
    ASSERT_TRUE(drawGradientFrame(surface, surface.rect(), surface.rect(), 5,
                                  ColourList::fromFields(c1, c2, c3)));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(colourAt(surface, 30, i), outsideIn[i]) << "top, row " << i;
        EXPECT_EQ(colourAt(surface, i, 20), outsideIn[i]) << "left, column " << i;
        EXPECT_EQ(colourAt(surface, 30, 39 - i), insideOut[i]) << "bottom, row " << 39 - i;
        EXPECT_EQ(colourAt(surface, 59 - i, 20), insideOut[i]) << "right, column " << 59 - i;
    }
    EXPECT_TRUE(isUntouched(surface, 5, 5));
    EXPECT_TRUE(isUntouched(surface, 54, 34));
}

struct RefusalCase {
    const char* what;
    QSize client;
    int width;
    ColourList colours;
};

TEST(DrawGradientFrame, RefusesAndPaintsNothing) {
    const RefusalCase cases[] = {
        {"one colour", {20, 20}, 5, ColourList::fromFields(NoColour, 0xFF, NoColour)},
        {"zero width", {20, 20}, 0, kGreyWhiteGrey},
        {"negative width", {20, 20}, -3, kGreyWhiteGrey},
        {"client 1 pixel wide", {1, 20}, 5, kGreyWhiteGrey},
        {"client 1 pixel high", {20, 1}, 5, kGreyWhiteGrey},
    };
    for (const RefusalCase& c : cases) {
        QImage surface = untouchedSurface(c.client.width(), c.client.height());
        EXPECT_FALSE(drawGradientFrame(surface, surface.rect(), surface.rect(), c.width, c.colours))
            << c.what;
        EXPECT_EQ(surface, untouchedSurface(c.client.width(), c.client.height())) << c.what;
    }
}

TEST(DrawGradientFrame, PaintsOnlyInsideTheUpdateBox) {
    QImage whole = untouchedSurface(40, 30);
    ASSERT_TRUE(drawGradientFrame(whole, whole.rect(), whole.rect(), 8, kBlackToWhite));
    const QRect box(3, 20, 30, 9);
    QImage part = untouchedSurface(40, 30);
    ASSERT_TRUE(drawGradientFrame(part, part.rect(), box, 8, kBlackToWhite));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (box.contains(x, y)) {
                EXPECT_EQ(part.pixel(x, y), whole.pixel(x, y)) << x << "," << y;
            } else {
                EXPECT_TRUE(isUntouched(part, x, y)) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace brontel
