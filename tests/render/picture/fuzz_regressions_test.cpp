#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "render/decoded_picture.h"
#include "render/picture/bmp_reader.h"
#include "render/picture/gif_reader.h"
#include "render/picture/icon_reader.h"
#include "render/picture/pcx_reader.h"
#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;

// The pictures a fuzzer's entry point decodes from one input.
using Entry = std::function<std::vector<QImage>(std::span<const std::uint8_t>)>;

std::vector<QImage> imagesOf(std::initializer_list<ImageResult> results) {
    std::vector<QImage> images;
    for (const auto& result : results) {
        if (const auto* image = std::get_if<QImage>(&result)) images.push_back(*image);
    }
    return images;
}

// Each fuzzer's entry point, by the name of its folder of kept inputs.
const std::map<std::string, Entry>& entries() {
    static const std::map<std::string, Entry> table = {
        {"decode_picture",
         [](auto bytes) {
             const auto picture = decodePicture(bytes);
             return picture ? std::vector{picture->image} : std::vector<QImage>{};
         }},
        {"bmp", [](auto bytes) { return imagesOf({readBmp(bytes)}); }},
        {"gif", [](auto bytes) { return imagesOf({readGif(bytes)}); }},
        {"icon", [](auto bytes) { return imagesOf({readIcon(bytes)}); }},
        {"pcx",
         [](auto bytes) {
             return imagesOf({readPcx256(bytes), readPcxMono(bytes)});
         }},
    };
    return table;
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Each fuzzer's corpus and the inputs that once made it fail must decode within the limits
// or be refused. Run under the sanitizer build, a memory fault fails the run.
TEST(FuzzRegressions, EveryCorpusFileAndKeptInputIsReadSafely) {
    for (const auto& [name, entry] : entries()) {
        const fs::path corpus = fs::path(BRONTEL_FUZZ_CORPUS_DIR) / name;
        ASSERT_TRUE(fs::is_directory(corpus)) << "no corpus for the fuzzer " << name;
        for (const fs::path& folder : {corpus, fs::path(BRONTEL_FUZZ_REGRESSIONS_DIR) / name}) {
            if (!fs::is_directory(folder)) continue;
            for (const auto& file : fs::directory_iterator(folder)) {
                for (const QImage& image : entry(readFile(file.path()))) {
                    EXPECT_FALSE(image.isNull()) << file.path();
                    EXPECT_LE(std::int64_t{image.width()} * image.height(), kMaxPicturePixels)
                        << file.path();
                }
            }
        }
    }
}

}  // namespace
}  // namespace brontel
