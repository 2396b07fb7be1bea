#include "render/face_picture.h"

#include "render/picture_layer.h"

namespace brontel {

void paintFacePicture(Face& face, QImage& client, const QRect& interior, const QRect& clip,
                      QRegion& uncovered, Colour background, int pixelRatio) {
    const auto& picture =
        face.pictureCache.pictureFor(face.style.picture(), face.style.pictureRevision());
    if (!picture || picture->image.isNull()) {
        face.style.setPicture({});
        return;
    }
    drawPictureLayer(client, *picture, face.style.pictureMode(), interior, clip, uncovered,
                     background, pixelRatio);
}

}  // namespace brontel
