#pragma once

#include <QString>
#include <optional>
#include <string>

#include "cli/image_format.h"
#include "model/button_state.h"
#include "model/bytes.h"

namespace brontel {

// Writes the four images into the existing folder under their names in `format`. Each file is
// replaced atomically, and all four are written out before the first replaces its old
// version, so a failure to write leaves the old files as they were. Returns what went
// wrong, naming the file, or nothing.
std::optional<std::string> replaceStateImages(const QString& folder, const PerState<Bytes>& images,
                                              ImageFormat format);

}  // namespace brontel
