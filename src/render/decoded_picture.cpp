#include "render/decoded_picture.h"

#include "render/picture/bmp_reader.h"
#include "render/picture/gif_reader.h"
#include "render/picture/icon_reader.h"
#include "render/picture/jpeg_reader.h"
#include "render/picture/pcx_reader.h"
#include "render/picture/picture_format.h"
#include "render/picture/picture_limits.h"
#include "render/picture/png_reader.h"

namespace brontel {
namespace {

ImageResult readImage(PictureKind kind, std::span<const std::uint8_t> bytes) {
    switch (kind) {
        case PictureKind::Jpeg:
            return readJpeg(bytes);
        case PictureKind::Bmp:
            return readBmp(bytes);
        case PictureKind::Icon:
        case PictureKind::Cursor:
            return readIcon(bytes);
        case PictureKind::Gif:
            return readGif(bytes);
        case PictureKind::Pcx256:
            return readPcx256(bytes);
        case PictureKind::PcxMono:
            return readPcxMono(bytes);
        case PictureKind::Png:
            return readPng(bytes);
    }
    return PictureError::Unrecognised;
}

}  // namespace

PictureResult readPicture(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxPictureFileBytes) return PictureError::TooLarge;
    const auto kind = recognisePicture(bytes);
    if (!kind) return PictureError::Unrecognised;
    ImageResult image = readImage(*kind, bytes);
    if (const auto* error = std::get_if<PictureError>(&image)) return *error;
    return DecodedPicture{*kind, std::move(std::get<QImage>(image))};
}

std::optional<DecodedPicture> decodePicture(std::span<const std::uint8_t> bytes) {
    PictureResult result = readPicture(bytes);
    if (auto* picture = std::get_if<DecodedPicture>(&result)) return std::move(*picture);
    return std::nullopt;
}

}  // namespace brontel
