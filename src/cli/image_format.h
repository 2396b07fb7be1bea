#pragma once

#include <QString>
#include <optional>

#include "model/button_state.h"

namespace brontel {

// The file format brontel-render writes the four state images in: the program's own 24-bit
// BMP, or PNG with the rounded corners transparent and smoothed.
enum class ImageFormat { Bmp, Png };

// The format named on the command line ("bmp" or "png"), or nothing.
std::optional<ImageFormat> imageFormatNamed(const QString& name);

// The name a state image is written under: the export name, with ".png" for PNG.
QString stateImageFileName(ButtonState state, ImageFormat format);

}  // namespace brontel
