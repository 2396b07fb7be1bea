#include <png.h>

#include <csetjmp>
#include <optional>
#include <vector>

#include "render/picture/sample_pictures.h"

namespace brontel::samples {
namespace {

void appendOutput(png_structp png, png_bytep data, std::size_t size) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void flushNothing(png_structp) {}

bool hasColour(int colourType) {
    return colourType & PNG_COLOR_MASK_COLOR;
}
bool hasAlpha(int colourType) {
    return colourType & PNG_COLOR_MASK_ALPHA;
}

// A sample of `depth` bits for an 8-bit value the depth can reach exactly.
unsigned sampleOf(int value, int depth) {
    if (depth == 16) return static_cast<unsigned>(value) * 257;
    return static_cast<unsigned>(value) * ((1u << depth) - 1) / 255;
}

std::vector<unsigned> pixelSamples(const QImage& image, int x, int y, const PngLayout& layout) {
    if (layout.colourType == PNG_COLOR_TYPE_PALETTE)
        return {static_cast<unsigned>(image.pixelIndex(x, y))};
    const QRgb c = image.pixel(x, y);
    std::vector<int> values = hasColour(layout.colourType)
                                  ? std::vector{qRed(c), qGreen(c), qBlue(c)}
                                  : std::vector{qRed(c)};
    if (hasAlpha(layout.colourType)) values.push_back(qAlpha(c));
    std::vector<unsigned> samples;
    for (const int v : values) samples.push_back(sampleOf(v, layout.bitDepth));
    return samples;
}

// Rows of one byte per sample (two, big-endian, at 16 bits); libpng packs smaller depths.
std::vector<std::vector<png_byte>> rowsOf(const QImage& image, const PngLayout& layout) {
    std::vector<std::vector<png_byte>> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            for (const unsigned s : pixelSamples(image, x, y, layout)) {
                if (layout.bitDepth == 16) rows[y].push_back(static_cast<png_byte>(s >> 8));
                rows[y].push_back(static_cast<png_byte>(s));
            }
        }
    }
    return rows;
}

void writePalette(png_structp png, png_infop info, const QImage& image) {
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    for (const QRgb c : image.colorTable()) {
        colours.push_back({static_cast<png_byte>(qRed(c)), static_cast<png_byte>(qGreen(c)),
                           static_cast<png_byte>(qBlue(c))});
        alphas.push_back(static_cast<png_byte>(qAlpha(c)));
    }
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    while (!alphas.empty() && alphas.back() == 255) alphas.pop_back();
    if (!alphas.empty())
        png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
}

std::optional<QRgb> transparentColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) return image.pixel(x, y);
        }
    }
    return std::nullopt;
}

void writeTransparentColour(png_structp png, png_infop info, const QImage& image,
                            const PngLayout& layout) {
    const auto colour = transparentColour(image);
    if (!colour) return;
    png_color_16 key{};
    key.red = static_cast<png_uint_16>(sampleOf(qRed(*colour), layout.bitDepth));
    key.green = static_cast<png_uint_16>(sampleOf(qGreen(*colour), layout.bitDepth));
    key.blue = static_cast<png_uint_16>(sampleOf(qBlue(*colour), layout.bitDepth));
    key.gray = key.red;
    png_set_tRNS(png, info, nullptr, 0, &key);
}

}  // namespace

Bytes pngFile(const QImage& image, const PngLayout& layout) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    auto rows = rowsOf(image, layout);
    std::vector<png_bytep> rowPointers;
    for (auto& row : rows) rowPointers.push_back(row.data());
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendOutput, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), layout.bitDepth, layout.colourType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (layout.colourType == PNG_COLOR_TYPE_PALETTE)
        writePalette(png, info, image);
    else if (!hasAlpha(layout.colourType))
        writeTransparentColour(png, info, image, layout);
    png_write_info(png, info);
    if (layout.bitDepth < 8) png_set_packing(png);
    png_set_interlace_handling(png);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace brontel::samples
