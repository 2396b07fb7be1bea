#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/bytes.h"
#include "model/colour.h"
#include "model/font_spec.h"

namespace brontel {

enum class TextEffect { Plain = 0, Engraved = 1, Embossed = 2, Shadow = 3 };
enum class PictureMode { TopLeft = 0, Tiled = 1, Centred = 2 };

// Borders 1 to 5 are the desktop's window edges around the client area; 6 is the face's
// own gradient frame inside it.
namespace border {
inline constexpr int None = 0, Sunken = 1, Raised = 2, ShallowSunken = 3, PictureFrame = 4,
                     SingleLine = 5, GradientFrame = 6;
}

inline constexpr int kMinFrameWidth = 5;

// The look of one face. Setters take any value and hold it to the field's domain, so the
// painter never meets an out-of-range style.
class FaceStyle {
public:
    const std::string& caption() const { return caption_; }
    int textEffect() const { return textEffect_; }
    int border() const { return border_; }
    int frameWidth() const { return frameWidth_; }
    Colour frameColour1() const { return frameColour1_; }
    Colour frameColour2() const { return frameColour2_; }
    Colour frameColour3() const { return frameColour3_; }
    const std::optional<FontSpec>& font() const { return font_; }
    Colour textColour() const { return textColour_; }
    Colour backColour() const { return backColour_; }
    const Bytes& picture() const { return picture_; }
    int pictureMode() const { return pictureMode_; }
    int gradientMode() const { return gradientMode_; }
    Colour gradientColour1() const { return gradientColour1_; }
    Colour gradientColour2() const { return gradientColour2_; }
    Colour gradientColour3() const { return gradientColour3_; }
    int hAlign() const { return hAlign_; }
    int wordWrap() const { return wordWrap_; }
    int vAlign() const { return vAlign_; }

    void setCaption(std::string caption) { caption_ = std::move(caption); }
    void setTextEffect(int value) { textEffect_ = clamp(value, 0, 3); }
    void setBorder(int value) { border_ = clamp(value, 0, 6); }
    void setFrameWidth(int value) { frameWidth_ = value < kMinFrameWidth ? kMinFrameWidth : value; }
    void setFrameColour1(Colour c) { frameColour1_ = c; }
    void setFrameColour2(Colour c) { frameColour2_ = c; }
    void setFrameColour3(Colour c) { frameColour3_ = c; }
    void setFont(std::optional<FontSpec> font) { font_ = std::move(font); }
    void setTextColour(Colour c) { textColour_ = c; }
    void setBackColour(Colour c) { backColour_ = c; }
    void setPicture(Bytes picture);
    void setPictureMode(int value) { pictureMode_ = clamp(value, 0, 2); }
    void setGradientMode(int value) { gradientMode_ = clamp(value, 0, 8); }
    void setGradientColour1(Colour c) { gradientColour1_ = c; }
    void setGradientColour2(Colour c) { gradientColour2_ = c; }
    void setGradientColour3(Colour c) { gradientColour3_ = c; }
    void setHAlign(int value) { hAlign_ = clamp(value, 0, 2); }
    void setWordWrap(int value) { wordWrap_ = value; }
    void setVAlign(int value) { vAlign_ = clamp(value, 0, 2); }

    // Changes whenever the picture bytes are set, unique across all styles, so a decoded
    // picture can tell whether it still belongs to these bytes.
    std::uint64_t pictureRevision() const { return pictureRevision_; }

    bool operator==(const FaceStyle&) const = default;

private:
    static int clamp(int value, int low, int high) {
        return value < low ? low : (value > high ? high : value);
    }

    std::string caption_;
    int textEffect_ = 0;
    int border_ = 0;
    int frameWidth_ = kMinFrameWidth;
    Colour frameColour1_ = 0x808080;
    Colour frameColour2_ = 0xFFFFFF;
    Colour frameColour3_ = 0x808080;
    std::optional<FontSpec> font_;
    Colour textColour_ = 0x000000;
    Colour backColour_ = 0xFFFFFF;
    Bytes picture_;
    int pictureMode_ = 2;
    int gradientMode_ = 0;
    Colour gradientColour1_ = 0x808080;
    Colour gradientColour2_ = 0xFFFFFF;
    Colour gradientColour3_ = 0x808080;
    int hAlign_ = 1;
    int wordWrap_ = 0;
    int vAlign_ = 1;
    std::uint64_t pictureRevision_ = 0;
};

}  // namespace brontel
