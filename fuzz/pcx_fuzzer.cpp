#include <cstddef>
#include <cstdint>

#include "checked_picture.h"
#include "render/picture/pcx_reader.h"

// Both PCX readers share the header and run-length code: each input goes through both.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brontel::fuzz::checkResult(brontel::readPcx256({data, size}));
    brontel::fuzz::checkResult(brontel::readPcxMono({data, size}));
    return 0;
}
