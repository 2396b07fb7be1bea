#include "render/decoded_picture.h"

#include <gtest/gtest.h>

#include <string_view>

#include "render/picture/picture_format.h"
#include "render/picture/picture_limits.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

Bytes bytesOf(std::initializer_list<unsigned> head, std::size_t size = 16) {
    Bytes bytes(size, 0);
    std::size_t i = 0;
    for (const unsigned b : head) bytes[i++] = static_cast<std::uint8_t>(b);
    return bytes;
}

TEST(PictureFormat, RecognisesFormatsByTheirFirstBytesInOrder) {
    struct Case {
        const char* name;
        Bytes bytes;
        std::optional<PictureKind> kind;
    };
    const Case cases[] = {
        {"BMP", bytesOf({'B', 'M'}), PictureKind::Bmp},
        {"JPEG", bytesOf({0xFF, 0xD8}), PictureKind::Jpeg},
        {"PNG", bytesOf({0x89, 'P', 'N', 'G'}), PictureKind::Png},
        {"icon", bytesOf({0, 0, 1, 0, 1, 0}), PictureKind::Icon},
        {"icon of 256 images", bytesOf({0, 0, 1, 0, 0, 1}), PictureKind::Icon},
        {"icon without images", bytesOf({0, 0, 1, 0, 0, 0}), std::nullopt},
        {"cursor", bytesOf({0, 0, 2, 0, 3, 0}), PictureKind::Cursor},
        {"cursor without images", bytesOf({0, 0, 2, 0, 0, 0}), std::nullopt},
        {"GIF87a", bytesOf({'G', 'I', 'F', '8', '7', 'a'}), PictureKind::Gif},
        {"GIF89a", bytesOf({'G', 'I', 'F', '8', '9', 'a'}), PictureKind::Gif},
        {"GIF88a", bytesOf({'G', 'I', 'F', '8', '8', 'a'}), std::nullopt},
        {"PCX 256 colours, version 5", bytesOf({0x0A, 5, 1, 8}), PictureKind::Pcx256},
        {"PCX 256 colours, version 0", bytesOf({0x0A, 0, 1, 8}), PictureKind::Pcx256},
        {"PCX version 6", bytesOf({0x0A, 6, 1, 8}), std::nullopt},
        {"PCX unencoded", bytesOf({0x0A, 5, 0, 8}), std::nullopt},
        {"PCX one bit, version 3", bytesOf({0x0A, 3, 1, 1}), PictureKind::PcxMono},
        {"PCX one bit, version 5", bytesOf({0x0A, 5, 1, 1}), std::nullopt},
        {"PCX four bits", bytesOf({0x0A, 5, 1, 4}), std::nullopt},
        {"BMP of 7 bytes", bytesOf({'B', 'M'}, 7), std::nullopt},
        {"empty", Bytes{}, std::nullopt},
        {"zeros", bytesOf({}), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(recognisePicture(c.bytes), c.kind) << c.name;
}

TEST(DecodedPicture, TextIsNoPicture) {
    constexpr std::string_view text = "按钮正常 caption text\r\nsecond line of a text file\r\n";
    const Bytes bytes(text.begin(), text.end());
    const PictureResult result = readPicture(bytes);
    ASSERT_TRUE(std::holds_alternative<PictureError>(result));
    EXPECT_EQ(std::get<PictureError>(result), PictureError::Unrecognised);
    EXPECT_FALSE(decodePicture(bytes));
}

TEST(DecodedPicture, RefusesFilesAbove64MiBUnread) {
    Bytes file = samples::bmpFile(samples::rgbPattern(4, 4));
    EXPECT_TRUE(decodePicture(file));
    file.resize(kMaxPictureFileBytes, 0);
    EXPECT_TRUE(decodePicture(file));
    file.push_back(0);
    const PictureResult result = readPicture(file);
    ASSERT_TRUE(std::holds_alternative<PictureError>(result));
    EXPECT_EQ(std::get<PictureError>(result), PictureError::TooLarge);
}

TEST(PictureLimits, TellsMalformedSizesFromSizesBeyondTheLimits) {
    struct Case {
        std::int64_t width, height;
        std::optional<PictureError> error;
    };
    const Case cases[] = {
        {1, 1, std::nullopt},
        {16384, 3906, std::nullopt},  // 63,995,904 pixels
        {16384, 3907, PictureError::TooLarge},
        {16385, 1, PictureError::TooLarge},
        {1, 16385, PictureError::TooLarge},
        {0, 5, PictureError::Malformed},
        {5, -1, PictureError::Malformed},
        {std::int64_t{1} << 40, std::int64_t{1} << 40, PictureError::TooLarge},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pictureSizeError(c.width, c.height), c.error) << c.width << "x" << c.height;
}

TEST(PictureLimits, ReportsOverflowingSizes) {
    constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
    EXPECT_EQ(checkedProduct(kMax / 2, 2), kMax / 2 * 2);
    EXPECT_EQ(checkedProduct(kMax / 2 + 1, 2), std::nullopt);
    EXPECT_EQ(checkedProduct(0, kMax), 0u);
    EXPECT_EQ(checkedSum(kMax, 1), std::nullopt);
    EXPECT_EQ(rowBytes(13, 1, 4), 4u);
    EXPECT_EQ(rowBytes(13, 24, 4), 40u);
    EXPECT_EQ(rowBytes(kMax / 8, 32, 4), std::nullopt);
}

}  // namespace
}  // namespace brontel
