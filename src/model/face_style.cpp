#include "model/face_style.h"

#include <atomic>

namespace brontel {

void FaceStyle::setPicture(Bytes picture) {
    static std::atomic<std::uint64_t> nextRevision{1};
    picture_ = std::move(picture);
    pictureRevision_ = nextRevision.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace brontel
