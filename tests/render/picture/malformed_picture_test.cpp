#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "render/decoded_picture.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

using samples::putU16;
using samples::putU32;

// A broken file and what reading it must give: an error, or (nothing) a safe decode.
struct MalformedCase {
    const char* name;
    Bytes bytes;
    std::optional<PictureError> error;
};

Bytes changed(Bytes bytes, const std::function<void(Bytes&)>& change) {
    change(bytes);
    return bytes;
}

Bytes cut(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

std::size_t find(const Bytes& bytes, std::initializer_list<std::uint8_t> marker) {
    return static_cast<std::size_t>(
        std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end()) - bytes.begin());
}

void putBigEndian32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// A GIF of a 4x4 image whose LZW data is given as it is, in one sub-block.
Bytes gifWithData(int minCodeSize, std::initializer_list<std::uint8_t> data) {
    samples::ByteWriter out;
    for (const char c : {'G', 'I', 'F', '8', '9', 'a'}) out.u8(c);
    out.u16(4);
    out.u16(4);
    out.u8(0x80);  // a global table of two colours
    out.u16(0);
    out.fill(6, 0x40);
    out.u8(0x2C);
    out.fill(4, 0);
    out.u16(4);
    out.u16(4);
    out.u8(0);
    out.u8(minCodeSize);
    out.u8(static_cast<unsigned>(data.size()));
    out.append(std::vector<std::uint8_t>(data));
    out.u8(0);
    out.u8(0x3B);
    return out.bytes();
}

std::vector<MalformedCase> bmpCases() {
    // Offsets in a BMP file with a 40-byte header.
    constexpr std::size_t kPixelOffset = 10, kHeaderSize = 14, kWidth = 18, kHeight = 22,
                          kCompression = 30, kColoursUsed = 46;
    const Bytes bmp = samples::bmpFile(samples::rgbPattern(8, 8));
    const Bytes indexed = samples::bmpFile(samples::indexedPattern(8, 8, 16), {8, 40, false, 256});
    return {
        {"bmp_zero_width", changed(bmp, [](Bytes& b) { putU32(b, kWidth, 0); }),
         PictureError::Malformed},
        {"bmp_zero_height", changed(bmp, [](Bytes& b) { putU32(b, kHeight, 0); }),
         PictureError::Malformed},
        {"bmp_negative_width", changed(bmp, [](Bytes& b) { putU32(b, kWidth, 0xFFFFFFF8); }),
         PictureError::Malformed},
        {"bmp_huge_width", changed(bmp, [](Bytes& b) { putU32(b, kWidth, 100000); }),
         PictureError::TooLarge},
        {"bmp_pixels_over_limit",
         changed(bmp, [](Bytes& b) { putU32(b, kWidth, 10000), putU32(b, kHeight, 10000); }),
         PictureError::TooLarge},
        {"bmp_int_min_height", changed(bmp, [](Bytes& b) { putU32(b, kHeight, 0x80000000); }),
         PictureError::TooLarge},
        {"bmp_truncated_rows", cut(bmp, bmp.size() - 1), PictureError::Malformed},
        {"bmp_header_cut", cut(bmp, 30), PictureError::Malformed},
        {"bmp_pixel_offset_past_end",
         changed(bmp, [](Bytes& b) { putU32(b, kPixelOffset, 0xFFFFFFF0); }),
         PictureError::Malformed},
        {"bmp_palette_past_end", cut(indexed, 54 + 100), PictureError::Malformed},
        {"bmp_unknown_header_size", changed(bmp, [](Bytes& b) { putU32(b, kHeaderSize, 41); }),
         PictureError::Unsupported},
        {"bmp_run_length", changed(bmp, [](Bytes& b) { putU32(b, kCompression, 1); }),
         PictureError::Unsupported},
        {"bmp_bad_palette_index", changed(indexed, [](Bytes& b) { putU32(b, kColoursUsed, 2); }),
         std::nullopt},
    };
}

std::vector<MalformedCase> gifCases() {
    const Bytes gif = samples::gifFile(samples::indexedPattern(8, 8, 16));
    const std::size_t image = find(gif, {0x2C, 0, 0, 0, 0});
    return {
        {"gif_no_image", changed(cut(gif, image), [](Bytes& b) { b.push_back(0x3B); }),
         PictureError::Malformed},
        {"gif_unknown_block", changed(gif, [image](Bytes& b) { b[image] = 0x99; }),
         PictureError::Malformed},
        {"gif_truncated_data", cut(gif, gif.size() - 12), PictureError::Malformed},
        {"gif_truncated_palette", cut(gif, 20), PictureError::Malformed},
        {"gif_lzw_garbage", gifWithData(2, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
         PictureError::Malformed},
        {"gif_lzw_no_clear_then_table_code", gifWithData(2, {0x06, 0x00}), PictureError::Malformed},
        {"gif_lzw_end_at_once", gifWithData(2, {0x2C}), PictureError::Malformed},
        {"gif_lzw_empty", gifWithData(2, {}), PictureError::Malformed},
        {"gif_code_size_12", gifWithData(12, {0x00, 0x00}), PictureError::Malformed},
        {"gif_code_size_1", gifWithData(1, {0x00, 0x00}), PictureError::Malformed},
        {"gif_no_palette",
         changed(gifWithData(2, {0x04}),
                 [](Bytes& b) { b[10] = 0, b.erase(b.begin() + 13, b.begin() + 19); }),
         PictureError::Malformed},
        {"gif_huge_screen", changed(gif, [](Bytes& b) { putU16(b, 6, 20000); }),
         PictureError::TooLarge},
        {"gif_screen_over_pixel_limit",
         changed(gif, [](Bytes& b) { putU16(b, 6, 16000), putU16(b, 8, 16000); }),
         PictureError::TooLarge},
        {"gif_frame_zero_width", changed(gif, [image](Bytes& b) { putU16(b, image + 5, 0); }),
         PictureError::Malformed},
        {"gif_frame_far_beyond_screen",
         changed(gif, [image](Bytes& b) { putU16(b, image + 1, 65535); }), std::nullopt},
        {"gif_zero_screen", changed(gif, [](Bytes& b) { putU32(b, 6, 0); }), std::nullopt},
    };
}

std::vector<MalformedCase> iconCases() {
    // Offsets in an icon file of one entry: the directory entry, then its bitmap at 22.
    constexpr std::size_t kEntrySize = 14, kEntryOffset = 18, kBitmap = 22;
    const Bytes icon = samples::iconFile({{samples::rgbPattern(16, 16), 24}});
    const std::size_t maskBytes = 4 * 16;
    QImage translucent = samples::rgbPattern(8, 8).convertToFormat(QImage::Format_ARGB32);
    const Bytes pngIcon = samples::iconFile({{translucent, 32, true}});
    return {
        {"ico_entry_past_end", changed(icon, [](Bytes& b) { putU32(b, kEntryOffset, 0xFFFFFF00); }),
         PictureError::Malformed},
        {"ico_entry_size_past_end",
         changed(icon, [](Bytes& b) { putU32(b, kEntrySize, 0xFFFFFFFF); }),
         PictureError::Malformed},
        {"ico_directory_truncated", changed(icon, [](Bytes& b) { putU16(b, 4, 500); }),
         PictureError::Malformed},
        {"ico_mask_missing",
         changed(cut(icon, icon.size() - maskBytes),
                 [&](Bytes& b) {
                     putU32(b, kEntrySize, static_cast<std::uint32_t>(b.size() - kBitmap));
                 }),
         PictureError::Malformed},
        {"ico_height_one", changed(icon, [](Bytes& b) { putU32(b, kBitmap + 8, 1); }),
         PictureError::Malformed},
        {"ico_negative_height", changed(icon, [](Bytes& b) { putU32(b, kBitmap + 8, 0xFFFFFFE0); }),
         PictureError::Malformed},
        {"ico_huge_bitmap", changed(icon, [](Bytes& b) { putU32(b, kBitmap + 4, 70000); }),
         PictureError::TooLarge},
        {"ico_compressed_bitmap", changed(icon, [](Bytes& b) { putU32(b, kBitmap + 16, 1); }),
         PictureError::Unsupported},
        {"ico_png_entry_cut_short", cut(pngIcon, pngIcon.size() - 20), PictureError::Malformed},
        {"ico_png_entry_garbage",
         changed(pngIcon, [](Bytes& b) { std::fill(b.begin() + 60, b.end(), 0x55); }),
         PictureError::Malformed},
    };
}

std::vector<MalformedCase> pcxCases() {
    // Offsets in a PCX header.
    constexpr std::size_t kXMax = 8, kPlanes = 65, kBytesPerLine = 66;
    const Bytes pcx = samples::pcx256File(samples::indexedPattern(8, 8, 256));
    const Bytes mono = samples::pcxMonoFile(samples::indexedPattern(8, 8, 2));
    Bytes endlessRun(pcx.begin(), pcx.begin() + 128);
    for (int i = 0; i < 10; ++i) endlessRun.insert(endlessRun.end(), {0xFF, 7});
    endlessRun.insert(endlessRun.end(), pcx.end() - 769, pcx.end());
    return {
        {"pcx_run_past_end", endlessRun, std::nullopt},
        {"pcx_truncated_runs",
         changed(pcx, [](Bytes& b) { b.erase(b.begin() + 140, b.end() - 769); }),
         PictureError::Malformed},
        {"pcx_no_palette_marker", changed(pcx, [](Bytes& b) { b[b.size() - 769] = 0; }),
         PictureError::Malformed},
        {"pcx_header_only", cut(pcx, 128), PictureError::Malformed},
        {"pcx_xmax_below_xmin", changed(pcx, [](Bytes& b) { putU16(b, 4, 9); }),
         PictureError::Malformed},
        {"pcx_huge", changed(pcx, [](Bytes& b) { putU16(b, kXMax, 60000); }),
         PictureError::TooLarge},
        {"pcx_bytes_per_line_short", changed(pcx, [](Bytes& b) { putU16(b, kBytesPerLine, 3); }),
         PictureError::Malformed},
        {"pcx_three_planes", changed(pcx, [](Bytes& b) { b[kPlanes] = 3; }),
         PictureError::Unsupported},
        {"pcx_mono_truncated", cut(mono, mono.size() - 2), PictureError::Malformed},
        {"pcx_mono_four_planes", changed(mono, [](Bytes& b) { b[kPlanes] = 4; }),
         PictureError::Unsupported},
    };
}

std::vector<MalformedCase> jpegCases() {
    const Bytes jpeg = samples::jpegFile(samples::rgbPattern(32, 32));
    const std::size_t frame = find(jpeg, {0xFF, 0xC0});
    // A progressive file keeps every coefficient: 6000 x 6000 in CMYK needs 288 MB.
    const Bytes progressive =
        samples::jpegFile(samples::rgbPattern(16, 16), {samples::JpegColours::CmykAdobe, true});
    const std::size_t progressiveFrame = find(progressive, {0xFF, 0xC2});
    return {
        {"jpeg_progressive_beyond_memory_cap",
         changed(progressive,
                 [progressiveFrame](Bytes& b) {
                     b[progressiveFrame + 5] = b[progressiveFrame + 7] = 0x17;
                     b[progressiveFrame + 6] = b[progressiveFrame + 8] = 0x70;
                 }),
         PictureError::TooLarge},
        {"jpeg_truncated", cut(jpeg, jpeg.size() / 2), PictureError::Malformed},
        {"jpeg_scan_cut_short_before_the_end_marker",
         changed(cut(jpeg, jpeg.size() / 2),
                 [](Bytes& b) {
                     b.insert(b.end(), {0xFF, 0xD9});
                 }),
         PictureError::Malformed},
        {"jpeg_header_only", cut(jpeg, frame), PictureError::Malformed},
        {"jpeg_huge_dimensions",
         changed(jpeg, [frame](Bytes& b) { b[frame + 5] = b[frame + 7] = 0xEA; }),
         PictureError::TooLarge},
        {"jpeg_zero_height", changed(jpeg, [frame](Bytes& b) { b[frame + 5] = b[frame + 6] = 0; }),
         PictureError::Malformed},
        {"jpeg_garbage_after_start", changed(cut(jpeg, 2), [](Bytes& b) { b.resize(300, 0x37); }),
         PictureError::Malformed},
    };
}

std::vector<MalformedCase> pngCases() {
    constexpr std::size_t kWidth = 16, kHeaderCrc = 29;
    const Bytes png =
        samples::pngFile(samples::rgbPattern(16, 16).convertToFormat(QImage::Format_ARGB32));
    const std::size_t data = find(png, {'I', 'D', 'A', 'T'}) + 4;
    return {
        {"png_truncated", cut(png, png.size() - 30), PictureError::Malformed},
        {"png_signature_only", cut(png, 8), PictureError::Malformed},
        {"png_huge", changed(png, [](Bytes& b) { putBigEndian32(b, kWidth, 20000); }),
         PictureError::TooLarge},
        {"png_zero_width", changed(png, [](Bytes& b) { putBigEndian32(b, kWidth, 0); }),
         PictureError::Malformed},
        {"png_bad_header_crc", changed(png, [](Bytes& b) { b[kHeaderCrc] ^= 1; }),
         PictureError::Malformed},
        {"png_data_garbage",
         changed(png, [data](Bytes& b) { std::fill_n(b.begin() + data, 20, 0x11); }),
         PictureError::Malformed},
    };
}

void expectSafe(const MalformedCase& c) {
    const PictureResult result = readPicture(c.bytes);
    if (c.error) {
        ASSERT_TRUE(std::holds_alternative<PictureError>(result)) << c.name << " decoded";
        EXPECT_EQ(std::get<PictureError>(result), *c.error) << c.name;
    } else {
        ASSERT_TRUE(std::holds_alternative<DecodedPicture>(result)) << c.name << " refused";
        EXPECT_FALSE(std::get<DecodedPicture>(result).image.isNull()) << c.name;
    }
}

TEST(MalformedPicture, BrokenBmpFilesFailCleanly) {
    for (const auto& c : bmpCases()) expectSafe(c);
}
TEST(MalformedPicture, BrokenGifFilesFailCleanly) {
    for (const auto& c : gifCases()) expectSafe(c);
}
TEST(MalformedPicture, BrokenIconFilesFailCleanly) {
    for (const auto& c : iconCases()) expectSafe(c);
}
TEST(MalformedPicture, BrokenPcxFilesFailCleanly) {
    for (const auto& c : pcxCases()) expectSafe(c);
}
TEST(MalformedPicture, BrokenJpegFilesFailCleanly) {
    for (const auto& c : jpegCases()) expectSafe(c);
}
TEST(MalformedPicture, BrokenPngFilesFailCleanly) {
    for (const auto& c : pngCases()) expectSafe(c);
}

TEST(MalformedPicture, SafeDecodesShowWhatTheFileHolds) {
    const auto runs = pcxCases().front();
    const auto picture = decodePicture(runs.bytes);
    ASSERT_TRUE(picture);
    const QRgb colour7 = samples::indexedPattern(1, 1, 256).color(7);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(picture->image.pixel(x, y), colour7) << x << "," << y;
}

}  // namespace
}  // namespace brontel
