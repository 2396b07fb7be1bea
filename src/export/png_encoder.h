#pragma once

#include <QImage>

#include "model/bytes.h"

namespace brontel {

// The image as one complete PNG file, 8 bits per channel: colour with alpha (straight, not
// premultiplied) when the image's format has an alpha channel, colour alone otherwise. The
// file states the desktop's 96 dots per inch times `pixelRatio` as its physical density, so
// an image drawn at twice the size for a high-density screen keeps the ordinary one's
// physical size; it carries no time, text or colour space, so the same pixels always give
// the same bytes. Empty when the image has no pixels or cannot be encoded; callers pass the
// empty array on unchanged, as with encodeBmp.
Bytes encodePng(const QImage& image, int pixelRatio = 1);

}  // namespace brontel
