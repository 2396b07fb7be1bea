#pragma once

#include <cstdint>
#include <string>

namespace brontel {

// The font of one caption as the user chose it. Texts are UTF-8 inside the product.
struct FontSpec {
    std::int32_t angle = 0;  // tenths of a degree
    bool bold = false;
    bool italic = false;
    bool strikeout = false;
    bool underline = false;
    std::int32_t size = 0;  // points
    std::string name;

    bool operator==(const FontSpec&) const = default;
};

// A font as the desktop describes it: character height in pixels (negative means
// "character height" rather than cell height), weight 0 = normal, 700 = bold.
struct SystemFont {
    std::int32_t height = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    std::string faceName;

    bool operator==(const SystemFont&) const = default;
};

inline constexpr int kScreenDpi = 96;
inline constexpr int kBoldWeight = 700;
// Longest face name, in GBK bytes, a font may carry; longer or missing names fall back.
inline constexpr std::size_t kFaceNameLimit = 31;
inline constexpr const char* kFallbackFaceName = "宋体";

// The desktop's default user-interface font: Song typeface, 12-pixel character height.
SystemFont defaultUiFont();

SystemFont toSystemFont(const FontSpec& spec, int dpi = kScreenDpi);
FontSpec toFontSpec(const SystemFont& font, int dpi = kScreenDpi);

// Pixels for a point size, rounded half up; sizes below 0 count as 0.
std::int32_t pointsToPixels(std::int32_t points, int dpi);

// The face name a font is made with: the given one, or the fallback when it is empty or
// longer than kFaceNameLimit GBK bytes.
std::string effectiveFaceName(const std::string& name);

}  // namespace brontel
