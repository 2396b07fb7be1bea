#include "render/picture/picture_format.h"

#include <algorithm>

namespace brontel {
namespace {

constexpr std::size_t kMinPictureBytes = 8;

bool startsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> head) {
    return bytes.size() >= head.size() && std::equal(head.begin(), head.end(), bytes.begin());
}

// Icon and cursor directories differ only in their type word and need at least one image.
bool isIconDirectory(std::span<const std::uint8_t> bytes, std::uint8_t type) {
    return startsWith(bytes, {0x00, 0x00, type, 0x00}) && (bytes[4] | bytes[5]) != 0;
}

bool isPcx256(std::span<const std::uint8_t> bytes) {
    return bytes[0] == 0x0A && bytes[1] <= 5 && bytes[2] == 1 && bytes[3] == 8;
}

}  // namespace

std::optional<PictureKind> recognisePicture(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kMinPictureBytes) return std::nullopt;
    if (startsWith(bytes, {'B', 'M'})) return PictureKind::Bmp;
    if (startsWith(bytes, {0xFF, 0xD8})) return PictureKind::Jpeg;
    if (startsWith(bytes, {0x89, 'P', 'N', 'G'})) return PictureKind::Png;
    if (isIconDirectory(bytes, 1)) return PictureKind::Icon;
    if (isIconDirectory(bytes, 2)) return PictureKind::Cursor;
    if (startsWith(bytes, {'G', 'I', 'F', '8', '7', 'a'}) ||
        startsWith(bytes, {'G', 'I', 'F', '8', '9', 'a'}))
        return PictureKind::Gif;
    if (isPcx256(bytes)) return PictureKind::Pcx256;
    if (startsWith(bytes, {0x0A, 0x03, 0x01, 0x01})) return PictureKind::PcxMono;
    return std::nullopt;
}

}  // namespace brontel
