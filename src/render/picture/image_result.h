#pragma once

#include <QImage>
#include <variant>

#include "render/decoded_picture.h"

namespace brontel {

// What one reader gives: the raster, or why there is none.
using ImageResult = std::variant<QImage, PictureError>;

}  // namespace brontel
