#include <cstddef>
#include <cstdint>

#include "checked_picture.h"
#include "render/picture/gif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brontel::fuzz::checkResult(brontel::readGif({data, size}));
    return 0;
}
