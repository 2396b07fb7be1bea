#pragma once

#include "model/button_state.h"

namespace brontel {

// The names the four state images are exported under, in state order (UTF-8).
inline constexpr PerState<const char*> kExportFileNames{"按钮_正常图片.bmp", "按钮_点燃图片.bmp",
                                                        "按钮_按下图片.bmp", "按钮_禁止图片.bmp"};

}  // namespace brontel
