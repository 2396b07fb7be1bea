#pragma once

#include "model/face_style.h"
#include "render/picture_cache.h"

namespace brontel {

// A face between paints: its style and the picture decoded from the style's bytes. The
// painter decodes on first need and may drop undecodable bytes from the style.
struct Face {
    FaceStyle style;
    PictureCache pictureCache;
};

}  // namespace brontel
