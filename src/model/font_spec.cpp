#include "model/font_spec.h"

#include <cstdlib>

#include "model/gbk_text.h"

namespace brontel {

SystemFont defaultUiFont() {
    SystemFont font;
    font.height = -12;
    font.faceName = kFallbackFaceName;
    return font;
}

std::int32_t pointsToPixels(std::int32_t points, int dpi) {
    if (points <= 0 || dpi <= 0) return 0;
    const std::int64_t scaled = static_cast<std::int64_t>(points) * dpi;
    const std::int64_t pixels = (scaled + 36) / 72;
    return pixels > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(pixels);
}

std::string effectiveFaceName(const std::string& name) {
    if (name.empty() || gbkByteLength(name) > kFaceNameLimit) return kFallbackFaceName;
    return name;
}

SystemFont toSystemFont(const FontSpec& spec, int dpi) {
    SystemFont font;
    font.height = -pointsToPixels(spec.size, dpi);
    font.escapement = spec.angle;
    font.orientation = spec.angle;
    font.weight = spec.bold ? kBoldWeight : 0;
    font.italic = spec.italic;
    font.underline = spec.underline;
    font.strikeout = spec.strikeout;
    font.faceName = effectiveFaceName(spec.name);
    return font;
}

FontSpec toFontSpec(const SystemFont& font, int dpi) {
    FontSpec spec;
    spec.angle = font.orientation;
    spec.bold = font.weight >= kBoldWeight;
    spec.italic = font.italic;
    spec.underline = font.underline;
    spec.strikeout = font.strikeout;
    const std::int64_t height = std::llabs(static_cast<std::int64_t>(font.height));
    spec.size = dpi > 0 ? static_cast<std::int32_t>((height * 72 + dpi / 2) / dpi) : 0;
    spec.name = font.faceName;
    return spec;
}

}  // namespace brontel
