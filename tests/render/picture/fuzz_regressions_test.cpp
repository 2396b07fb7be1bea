#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

#include "render/decoded_picture.h"
#include "render/picture/bmp_reader.h"
#include "render/picture/gif_reader.h"
#include "render/picture/icon_reader.h"
#include "render/picture/pcx_reader.h"
#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;
using Entry = std::function<std::optional<QImage>(std::span<const std::uint8_t>)>;

std::optional<QImage> imageOf(const ImageResult& result) {
    if (const auto* image = std::get_if<QImage>(&result)) return *image;
    return std::nullopt;
}

// Each fuzzer's entry point, by the name of its folder of crash inputs.
const std::map<std::string, Entry>& entries() {
    static const std::map<std::string, Entry> table = {
        {"decode_picture",
         [](auto bytes) -> std::optional<QImage> {
             const auto picture = decodePicture(bytes);
             if (picture) return picture->image;
             return std::nullopt;
         }},
        {"bmp", [](auto bytes) { return imageOf(readBmp(bytes)); }},
        {"gif", [](auto bytes) { return imageOf(readGif(bytes)); }},
        {"icon", [](auto bytes) { return imageOf(readIcon(bytes)); }},
        {"pcx",
         [](auto bytes) {
             const auto mono = imageOf(readPcxMono(bytes));
             return mono ? mono : imageOf(readPcx256(bytes));
         }},
    };
    return table;
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Inputs that once crashed a fuzzer must now decode within the limits or be refused. Run
// under the sanitizer build, a memory fault fails the run.
TEST(FuzzRegressions, EveryKeptInputIsReadSafely) {
    const fs::path root = BRONTEL_FUZZ_REGRESSIONS_DIR;
    ASSERT_TRUE(fs::is_directory(root)) << root;
    for (const auto& folder : fs::directory_iterator(root)) {
        if (!folder.is_directory()) continue;
        const auto entry = entries().find(folder.path().filename().string());
        ASSERT_NE(entry, entries().end()) << "no fuzzer named " << folder.path();
        for (const auto& file : fs::directory_iterator(folder.path())) {
            const Bytes bytes = readFile(file.path());
            const auto image = entry->second(bytes);
            if (!image) continue;
            EXPECT_FALSE(image->isNull()) << file.path();
            EXPECT_LE(std::int64_t{image->width()} * image->height(), kMaxPicturePixels)
                << file.path();
        }
    }
}

}  // namespace
}  // namespace brontel
