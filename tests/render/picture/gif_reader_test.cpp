#include <gtest/gtest.h>

#include "render/decoded_picture.h"
#include "render/picture/gif_lzw.h"
#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

using samples::GifLayout;

std::optional<DecodedPicture> decodeGif(const QImage& source, const GifLayout& layout = {}) {
    return decodePicture(samples::gifFile(source, layout));
}

TEST(GifReader, DecodesPalettesAndInterlacedRowsToTheSourcePixels) {
    struct Case {
        const char* name;
        int colours;
        GifLayout layout;
    };
    const Case cases[] = {
        {"two colours", 2, {}},
        {"sixteen colours", 16, {}},
        {"256 colours", 256, {}},
        {"local palette over the global one", 16, {.localPalette = true}},
        {"interlaced", 16, {.interlaced = true}},
        {"wide first codes", 4, {.minCodeSize = 8}},
    };
    for (const Case& c : cases) {
        // Heights 1 to 17 put rows in every interlace pass and leave passes empty.
        for (int height = 1; height <= 17; ++height) {
            const QImage source = samples::indexedPattern(11, height, c.colours);
            const auto picture = decodeGif(source, c.layout);
            ASSERT_TRUE(picture) << c.name << ", height " << height;
            EXPECT_EQ(picture->kind, PictureKind::Gif);
            EXPECT_EQ(picture->image.format(), QImage::Format_RGB32);
            EXPECT_TRUE(samePixels(picture->image, source)) << c.name << ", height " << height;
        }
    }
}

// 256 colours in a pattern LZW compresses poorly, so the code table fills many times over.
TEST(GifReader, KeepsDecodingThroughAFullCodeTableWithOrWithoutClearing) {
    const QImage source = samples::indexedPattern(300, 200, 256);
    for (const bool clearWhenFull : {true, false}) {
        const auto picture = decodeGif(source, {.clearWhenFull = clearWhenFull});
        ASSERT_TRUE(picture) << clearWhenFull;
        EXPECT_TRUE(samePixels(picture->image, source)) << clearWhenFull;
    }
}

TEST(GifReader, PlacesTheFirstImageOnTheScreenFilledWithTheBackgroundColour) {
    const QImage source = samples::indexedPattern(5, 4, 16);
    const auto picture =
        decodeGif(source, {.screen = QSize(12, 10), .offset = QPoint(6, 3), .backgroundIndex = 9});
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->image.size(), QSize(12, 10));
    EXPECT_TRUE(samePixels(picture->image.copy(6, 3, 5, 4), source));
    EXPECT_EQ(picture->image.pixel(0, 0), source.color(9));
    EXPECT_EQ(picture->image.pixel(11, 9), source.color(9));
    EXPECT_EQ(picture->image.pixel(5, 3), source.color(9));
}

TEST(GifReader, CutsAnImageReachingBeyondTheScreenAtItsEdges) {
    const QImage source = samples::indexedPattern(5, 4, 16);
    const auto picture =
        decodeGif(source, {.screen = QSize(8, 8), .offset = QPoint(6, 5), .backgroundIndex = 3});
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->image.size(), QSize(8, 8));
    EXPECT_TRUE(samePixels(picture->image.copy(6, 5, 2, 3), source.copy(0, 0, 2, 3)));
    EXPECT_EQ(picture->image.pixel(5, 5), source.color(3));
}

// A screen too small for the first image is a broken screen size: the image is the picture.
TEST(GifReader, TakesAnImageLargerThanTheScreenAsThePicture) {
    const QImage source = samples::indexedPattern(5, 4, 16);
    for (const QSize screen : {QSize(3, 9), QSize(9, 3)}) {
        const auto picture = decodeGif(source, {.screen = screen, .offset = QPoint(2, 1)});
        ASSERT_TRUE(picture);
        EXPECT_TRUE(samePixels(picture->image, source)) << screen.width() << "x" << screen.height();
    }
}

TEST(GifReader, ShowsTheTransparentIndexInItsPaletteColour) {
    const QImage source = samples::indexedPattern(6, 6, 4);
    const auto picture = decodeGif(source, {.transparentIndex = 2});
    ASSERT_TRUE(picture);
    EXPECT_TRUE(samePixels(picture->image, source));
}

std::variant<std::vector<std::uint8_t>, PictureError> decodeCodes(
    std::initializer_list<std::pair<unsigned, unsigned>> codes, int minCodeSize,
    std::size_t pixels) {
    std::vector<std::uint8_t> data;
    std::uint32_t bits = 0;
    unsigned count = 0;
    for (const auto& [code, width] : codes) {
        bits |= code << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8)
            data.push_back(static_cast<std::uint8_t>(bits));
    }
    if (count) data.push_back(static_cast<std::uint8_t>(bits));
    return decodeGifLzw(data, minCodeSize, pixels);
}

TEST(GifLzw, DecodesAStringDefinedByItsOwnCode) {
    // Clear, 1, then 6: the entry being defined (1 followed by its own first byte).
    const auto indices = decodeCodes({{4, 3}, {1, 3}, {6, 3}, {5, 3}}, 2, 3);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(indices));
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(indices), (std::vector<std::uint8_t>{1, 1, 1}));
}

TEST(GifLzw, RefusesCodesTheTableCannotHaveAndDataThatEndsEarly) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<unsigned, unsigned>> codes;
        std::size_t pixels;
    };
    const Case cases[] = {
        {"code beyond the next entry", {{4, 3}, {1, 3}, {7, 3}}, 4},
        {"table entry first after a clear", {{4, 3}, {6, 3}}, 2},
        {"end code before the last pixel", {{4, 3}, {1, 3}, {5, 3}}, 2},
        {"data ends before the last pixel", {{4, 3}, {1, 3}, {2, 3}}, 9},
    };
    for (const Case& c : cases) {
        const auto indices = decodeCodes(c.codes, 2, c.pixels);
        EXPECT_TRUE(std::holds_alternative<PictureError>(indices)) << c.name;
    }
}

TEST(GifLzw, DropsIndicesBeyondThePicture) {
    const std::vector<std::uint8_t> indices(40, 3);
    const auto codes = samples::gifLzw(indices, 2, true);
    const auto decoded = decodeGifLzw(codes, 2, 25);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(decoded));
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(decoded), std::vector<std::uint8_t>(25, 3));
}

}  // namespace
}  // namespace brontel
