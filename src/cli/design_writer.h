#pragma once

#include <string>

#include "cli/design.h"

namespace brontel {

// The design as design-file text: every field written, in the face's own field order, so
// that reading it back gives the same design.
std::string writeDesign(const Design& design);

}  // namespace brontel
