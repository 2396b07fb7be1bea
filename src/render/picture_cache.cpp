#include "render/picture_cache.h"

namespace brontel {

const std::optional<DecodedPicture>& PictureCache::pictureFor(const Bytes& bytes,
                                                              std::uint64_t revision) {
    if (!valid_ || revision != revision_) {
        picture_ = decodePicture(bytes);
        revision_ = revision;
        valid_ = true;
    }
    return picture_;
}

}  // namespace brontel
