// Writes the fuzzers' seed corpora: small files of every format and variant the readers take.
// Usage: brontel-fuzz-seeds <folder>; makes <folder>/<fuzzer>/ for each fuzzer.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/design.h"
#include "cli/design_writer.h"
#include "render/picture/sample_pictures.h"

namespace {

namespace fs = std::filesystem;
namespace samples = brontel::samples;
using brontel::Bytes;

struct Seed {
    std::string name;
    Bytes bytes;
};

std::vector<Seed> bmpSeeds() {
    std::vector<Seed> seeds;
    for (const int bits : {1, 4, 8, 24, 32}) {
        for (const int header : {12, 40, 108, 124}) {
            const QImage image =
                bits > 8 ? samples::rgbPattern(5, 3) : samples::indexedPattern(5, 3, 1 << bits);
            const bool topDown = header == 124;
            seeds.push_back({"bmp_" + std::to_string(bits) + "_" + std::to_string(header),
                             samples::bmpFile(image, {bits, header, topDown})});
        }
    }
    return seeds;
}

std::vector<Seed> gifSeeds() {
    using samples::GifLayout;
    const std::pair<const char*, GifLayout> layouts[] = {
        {"plain", {}},
        {"interlaced", {.interlaced = true}},
        {"local_palette", {.localPalette = true}},
        {"placed", {.screen = QSize(9, 9), .offset = QPoint(2, 3), .backgroundIndex = 1}},
        {"transparent", {.transparentIndex = 1}},
        {"wide_codes", {.minCodeSize = 8}},
    };
    std::vector<Seed> seeds;
    for (const auto& [name, layout] : layouts)
        seeds.push_back({std::string("gif_") + name,
                         samples::gifFile(samples::indexedPattern(6, 5, 16), layout)});
    // Enough poorly compressible pixels to fill the code table, with and without clearing.
    const QImage noisy = samples::indexedPattern(100, 60, 256);
    seeds.push_back({"gif_full_table_cleared", samples::gifFile(noisy)});
    seeds.push_back({"gif_full_table_kept", samples::gifFile(noisy, {.clearWhenFull = false})});
    return seeds;
}

std::vector<Seed> iconSeeds() {
    const auto bitmap = [](int size, int bits) {
        QImage image = bits > 8
                           ? samples::rgbPattern(size, size).convertToFormat(QImage::Format_ARGB32)
                           : samples::indexedPattern(size, size, 1 << bits);
        if (bits <= 8)
            image.setColor(0, qRgba(0, 0, 0, 0));
        else
            image.setPixel(0, 0, 0);
        return samples::IconEntrySample{image, bits};
    };
    std::vector<Seed> seeds;
    for (const int bits : {1, 4, 8, 24, 32})
        seeds.push_back({"icon_" + std::to_string(bits), samples::iconFile({bitmap(5, bits)})});
    seeds.push_back(
        {"icon_chosen", samples::iconFile({bitmap(4, 4), bitmap(32, 4), bitmap(6, 32)})});
    seeds.push_back(
        {"icon_png",
         samples::iconFile(
             {{samples::rgbPattern(4, 4).convertToFormat(QImage::Format_ARGB32), 32, true}})});
    seeds.push_back({"cursor", samples::iconFile({bitmap(5, 8)}, true)});
    return seeds;
}

std::vector<Seed> pcxSeeds() {
    QImage mono = samples::indexedPattern(13, 4, 2);
    return {{"pcx_256", samples::pcx256File(samples::indexedPattern(7, 5, 256))},
            {"pcx_mono", samples::pcxMonoFile(mono)}};
}

std::vector<Seed> jpegAndPngSeeds() {
    using samples::JpegColours;
    const QImage rgb = samples::rgbPattern(16, 8);
    const QImage argb = rgb.convertToFormat(QImage::Format_ARGB32);
    std::vector<Seed> seeds = {
        {"jpeg_grey", samples::jpegFile(rgb, {JpegColours::Grey})},
        {"jpeg_colour", samples::jpegFile(rgb)},
        {"jpeg_progressive", samples::jpegFile(rgb, {JpegColours::Rgb, true})},
        {"jpeg_cmyk_adobe", samples::jpegFile(argb, {JpegColours::CmykAdobe})},
        {"jpeg_cmyk", samples::jpegFile(argb, {JpegColours::CmykPlain})},
        {"png_rgba", samples::pngFile(argb)},
        {"png_rgb_interlaced", samples::pngFile(argb, {2, 8, true})},
        {"png_palette", samples::pngFile(samples::indexedPattern(9, 4, 4), {3, 2})},
        {"png_grey_16",
         samples::pngFile(
             argb.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32),
             {0, 16})},
    };
    return seeds;
}

Bytes textBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// The program's initial design, variations that reach every kind of field, and designs the
// reader refuses. Pictures are named as the design reader's fuzzer provides them.
std::vector<Seed> designSeeds() {
    using brontel::Design;
    const Design initial = brontel::initialDesign();
    Design varied = initial;
    varied.width = 120;
    varied.height = 40;
    varied.cornerDiameter = 16;
    const char* const pictures[] = {"face.bmp", "face.png", "notes.txt", "missing.gif"};
    for (std::size_t i = 0; i < varied.states.size(); ++i) {
        brontel::StateDesign& state = varied.states[i];
        state.picturePath = pictures[i];
        state.face.setPictureMode(static_cast<int>(i));
        state.face.setGradientMode(static_cast<int>(i) + 1);
        state.face.setBorder(static_cast<int>(i) * 2);
        state.face.setCaption(i % 2 ? "第二行\n" : "Caption, with \"quotes\"");
        state.face.setFont(brontel::FontSpec{.angle = static_cast<int>(i) * 450,
                                             .bold = i == 1,
                                             .italic = i == 2,
                                             .size = 12 + static_cast<int>(i),
                                             .name = "SimSun"});
        state.canvasColour = brontel::NoColour;
    }
    return {
        {"design_initial", textBytes(brontel::writeDesign(initial))},
        {"design_varied", textBytes(brontel::writeDesign(varied))},
        {"design_empty", textBytes("{}")},
        {"design_sizes", textBytes(R"({"width": 1, "height": 99999, "cornerDiameter": -5})")},
        {"design_fractions", textBytes(R"({"width": 1e999, "hot": {"border": 2.5}})")},
        {"design_unknown", textBytes(R"({"normal": {"colour": "#FF0000"}})")},
        {"design_colours",
         textBytes(R"({"pressed": {"textColour": "none", "backColour": "#12"}})")},
        {"design_truncated", textBytes(R"({"disabled": {"font": {"name": "宋体", "size)")},
    };
}

void write(const fs::path& folder, const std::vector<Seed>& seeds) {
    fs::create_directories(folder);
    for (const Seed& seed : seeds) {
        std::ofstream out(folder / seed.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.bytes.data()),
                  static_cast<std::streamsize>(seed.bytes.size()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    const auto bmp = bmpSeeds(), gif = gifSeeds(), icon = iconSeeds(), pcx = pcxSeeds();
    write(root / "bmp", bmp);
    write(root / "gif", gif);
    write(root / "icon", icon);
    write(root / "pcx", pcx);
    for (const auto& seeds : {bmp, gif, icon, pcx, jpegAndPngSeeds()})
        write(root / "decode_picture", seeds);
    write(root / "design_reader", designSeeds());
    return 0;
}
