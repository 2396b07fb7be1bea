#include "render/picture/png_reader.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "render/picture/byte_reader.h"
#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

static_assert(std::endian::native == std::endian::little,
              "BGRA rows are Format_ARGB32 pixels only on little-endian machines");

// Ancillary chunks are skipped unread, so these only bound what libpng buffers per chunk.
constexpr png_alloc_size_t kMaxChunkBytes = 8u << 20;
constexpr png_uint_32 kMaxCachedChunks = 128;
// The signature (8 bytes), then the IHDR chunk's length, its type, the width and height.
constexpr std::size_t kHeaderTypeOffset = 12;

struct PngInput {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

void readInput(png_structp png, png_bytep out, std::size_t count) {
    auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
    if (count > input->bytes.size() - input->offset) png_error(png, "truncated");
    std::memcpy(out, input->bytes.data() + input->offset, count);
    input->offset += count;
}

// libpng must never write to the terminal; errors jump back to decodeGuarded.
[[noreturn]] void onError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void onWarning(png_structp, png_const_charp) {}

struct PngDecoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngInput input;
    QImage image;
    std::vector<png_bytep> rows;
    PictureError error = PictureError::Malformed;
};

// Whatever the file stores comes out as 8-bit B, G, R, A: Format_ARGB32's bytes.
void setTransforms(png_structp png) {
    png_set_expand(png);  // palette and low bit depths to 8 bits, transparency to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
}

void limitResources(png_structp png) {
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_set_chunk_cache_max(png, kMaxCachedChunks);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
}

// Everything libpng may jump out of happens in here, and nothing in here has a destructor
// for the jump to skip.
bool decodeGuarded(PngDecoder& d) {
    if (setjmp(png_jmpbuf(d.png))) return false;
    png_set_read_fn(d.png, &d.input, readInput);
    limitResources(d.png);
    png_read_info(d.png, d.info);
    setTransforms(d.png);
    png_read_update_info(d.png, d.info);
    const png_uint_32 width = png_get_image_width(d.png, d.info);
    const png_uint_32 height = png_get_image_height(d.png, d.info);
    if (png_get_rowbytes(d.png, d.info) != std::size_t{width} * 4) return false;
    d.image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (d.image.isNull()) {
        d.error = PictureError::TooLarge;
        return false;
    }
    d.rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) d.rows[y] = d.image.scanLine(static_cast<int>(y));
    png_read_image(d.png, d.rows.data());
    return true;
}

// The size in the header, checked before libpng allocates anything for it.
std::optional<PictureError> headerSizeError(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes, kHeaderTypeOffset);
    const auto type = reader.take(4);
    const auto size = reader.take(8);
    if (!reader.ok() || !std::equal(type.begin(), type.end(), "IHDR"))
        return PictureError::Malformed;
    const auto bigEndian = [](std::span<const std::uint8_t> b) {
        return std::int64_t{b[0]} << 24 | b[1] << 16 | b[2] << 8 | b[3];
    };
    return pictureSizeError(bigEndian(size.first(4)), bigEndian(size.last(4)));
}

}  // namespace

ImageResult readPng(std::span<const std::uint8_t> bytes) {
    if (const auto error = headerSizeError(bytes)) return *error;
    PngDecoder d;
    d.input.bytes = bytes;
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    if (d.png) d.info = png_create_info_struct(d.png);
    const bool decoded = d.info && decodeGuarded(d);
    png_destroy_read_struct(&d.png, &d.info, nullptr);
    if (!decoded) return d.error;
    return std::move(d.image);
}

}  // namespace brontel
