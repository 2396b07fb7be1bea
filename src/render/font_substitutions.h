#pragma once

namespace brontel {

// Maps the Song typeface names designs carry ("宋体", "SimSun") to the Song face the setup
// installs, with a CJK sans behind it, so Chinese captions never draw as empty boxes.
// Needs a running QGuiApplication; safe to call more than once. The caption layer calls it
// before its first font; programs may call it at start-up.
void installFontSubstitutions();

}  // namespace brontel
