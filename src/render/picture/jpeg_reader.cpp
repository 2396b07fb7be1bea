#include "render/picture/jpeg_reader.h"

#include <bit>
#include <csetjmp>
#include <cstdio>

// libjpeg's headers need FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

static_assert(std::endian::native == std::endian::little,
              "JCS_EXT_BGRA rows are Format_RGB32 pixels only on little-endian machines");

// Far above any photograph's need, yet a hostile file cannot have libjpeg allocate more.
constexpr long kMaxJpegMemory = 256L << 20;
// Each scan of a progressive file is decoded over the whole picture; many tiny scans would
// make a small file decode for minutes.
constexpr int kMaxJpegScans = 100;

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    PictureError error;
};

[[noreturn]] void failWith(j_common_ptr info, PictureError error) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->error = error;
    std::longjmp(errors->jump, 1);
}

// libjpeg must never end the program nor write to the terminal.
[[noreturn]] void onError(j_common_ptr info) {
    const bool outOfMemory =
        info->err->msg_code == JERR_OUT_OF_MEMORY || info->err->msg_code == JERR_NO_BACKING_STORE;
    failWith(info, outOfMemory ? PictureError::TooLarge : PictureError::Malformed);
}

// Damage libjpeg can step over (stray bytes between markers, say) is borne, but a file that
// ends early, or a scan whose data stops short, is truncated: libjpeg would fill the rest
// with grey, and a small file could claim a vast picture and cost seconds of work.
void onMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        failWith(info, PictureError::Malformed);
}

void onProgress(j_common_ptr info) {
    const auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
    if (decoder->input_scan_number > kMaxJpegScans) failWith(info, PictureError::TooLarge);
}

struct JpegDecoder {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    jpeg_progress_mgr progress{};
    QImage image;
};

// Files stored as CMYK come out as CMYK; Adobe stores them inverted (0 is full ink).
void convertCmykRows(QImage& image, bool inverted) {
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* p = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, p += 4) {
            int c = p[0], m = p[1], yellow = p[2], k = p[3];
            if (!inverted) c = 255 - c, m = 255 - m, yellow = 255 - yellow, k = 255 - k;
            reinterpret_cast<QRgb*>(p)[0] =
                qRgb((c * k + 127) / 255, (m * k + 127) / 255, (yellow * k + 127) / 255);
        }
    }
}

void chooseOutput(jpeg_decompress_struct& info) {
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
}

// Everything libjpeg may jump out of happens in here, and nothing in here has a destructor
// for the jump to skip.
bool decodeGuarded(JpegDecoder& d, std::span<const std::uint8_t> bytes) {
    if (setjmp(d.errors.jump)) return false;
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = kMaxJpegMemory;
    d.info.progress = &d.progress;
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    if (const auto error = pictureSizeError(d.info.image_width, d.info.image_height)) {
        d.errors.error = *error;
        return false;
    }
    chooseOutput(d.info);
    // Allocates libjpeg's buffers, within its cap, and reads all scans of a progressive file.
    jpeg_start_decompress(&d.info);
    d.image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                     QImage::Format_RGB32);
    if (d.image.isNull()) {
        d.errors.error = PictureError::TooLarge;
        return false;
    }
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    return true;
}

}  // namespace

ImageResult readJpeg(std::span<const std::uint8_t> bytes) {
    JpegDecoder d;
    d.info.err = jpeg_std_error(&d.errors.manager);
    d.errors.manager.error_exit = onError;
    d.errors.manager.emit_message = onMessage;
    d.errors.error = PictureError::Malformed;
    d.progress.progress_monitor = onProgress;
    const bool decoded = decodeGuarded(d, bytes);
    const bool cmyk = d.info.out_color_space == JCS_CMYK;
    const bool adobe = d.info.saw_Adobe_marker;
    jpeg_destroy_decompress(&d.info);
    if (!decoded) return d.errors.error;
    if (cmyk) convertCmykRows(d.image, adobe);
    return std::move(d.image);
}

}  // namespace brontel
