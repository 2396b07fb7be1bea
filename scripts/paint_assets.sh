#!/usr/bin/env bash
# Redraws the application icon and the logo into assets/ with scripts/paint_assets.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck disable=SC2046  # pkg-config prints several flags that must split
g++ -std=c++20 -O1 -fPIC scripts/paint_assets.cpp -o "$work/paint_assets" \
    $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/paint_assets" assets
