#include <cstddef>
#include <cstdint>

#include "checked_picture.h"
#include "render/decoded_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = brontel::decodePicture({data, size});
    if (picture) brontel::fuzz::checkImage(picture->image);
    return 0;
}
