
#include <cstdio>
#include <cstdlib>
#include <vector>

// libjpeg's headers need FILE and size_t declared first.
#include <jpeglib.h>

#include "render/picture/sample_pictures.h"

namespace brontel::samples {
namespace {

struct JpegFormat {
    int components;
    J_COLOR_SPACE space;
};

JpegFormat formatOf(JpegColours colours) {
    switch (colours) {
        case JpegColours::Grey:
            return {1, JCS_GRAYSCALE};
        case JpegColours::Rgb:
            return {3, JCS_RGB};
        case JpegColours::CmykAdobe:
        case JpegColours::CmykPlain:
            return {4, JCS_CMYK};
    }
    return {3, JCS_RGB};
}

std::vector<JSAMPLE> rowSamples(const QImage& image, int y, int components) {
    std::vector<JSAMPLE> row;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        if (components == 1) {
            row.push_back(static_cast<JSAMPLE>(qGray(c)));
            continue;
        }
        const int values[] = {qRed(c), qGreen(c), qBlue(c), qAlpha(c)};
        for (int i = 0; i < components; ++i) row.push_back(static_cast<JSAMPLE>(values[i]));
    }
    return row;
}

// Compresses `image`; `configure` runs after the defaults are set.
template <typename Configure>
Bytes compress(const QImage& image, JpegColours colours, int quality, Configure configure) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    const JpegFormat format = formatOf(colours);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = format.components;
    info.in_color_space = format.space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (colours == JpegColours::CmykPlain) info.write_Adobe_marker = FALSE;
    configure(info);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < image.height(); ++y) {
        std::vector<JSAMPLE> row = rowSamples(image, y, format.components);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    jpeg_destroy_compress(&info);
    return out;
}

jpeg_scan_info singleCoefficientScan(int coefficient, int ah, int al) {
    jpeg_scan_info scan{};
    scan.comps_in_scan = 1;
    scan.component_index[0] = 0;
    scan.Ss = scan.Se = coefficient;
    scan.Ah = ah;
    scan.Al = al;
    return scan;
}

}  // namespace

Bytes jpegFile(const QImage& image, const JpegLayout& layout) {
    return compress(image, layout.colours, layout.quality, [&](jpeg_compress_struct& info) {
        if (layout.progressive) jpeg_simple_progression(&info);
    });
}

Bytes progressiveJpegWithScans(const QImage& image, int scans) {
    // Every coefficient first at half precision (64 scans), the DC refined (1 scan), then
    // as many AC refinements as make up the count.
    std::vector<jpeg_scan_info> script;
    for (int k = 0; k < 64; ++k) script.push_back(singleCoefficientScan(k, 0, 1));
    script.push_back(singleCoefficientScan(0, 1, 0));
    for (int k = 1; static_cast<int>(script.size()) < scans && k < 64; ++k)
        script.push_back(singleCoefficientScan(k, 1, 0));
    return compress(image, JpegColours::Grey, 90, [&](jpeg_compress_struct& info) {
        info.scan_info = script.data();
        info.num_scans = static_cast<int>(script.size());
    });
}

}  // namespace brontel::samples
