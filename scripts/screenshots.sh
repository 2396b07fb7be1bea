#!/usr/bin/env bash
# Takes the README's screenshots: builds brontel, starts it on a virtual X server, rounds the
# corners, captures the main window, presses "预览导出" and captures the preview dialog.
#   scripts/screenshots.sh [output folder, default docs/images]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-docs/images}")

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target brontel

source tests/e2e/virtual_display.sh
require_tools Xvfb xdotool import
start_virtual_display

# A copy in a scratch folder, so its output folder is not made inside the build.
mkdir "$work/program"
cp build/release/src/app/brontel "$work/program/brontel"
"$work/program/brontel" 2>"$work/brontel.log" &
started $!

find_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1 ||
        fail "no window captioned \"$1\" appeared: $(cat "$work/brontel.log")"
}
click_at() {  # window x y, in the window's client coordinates
    local X Y WINDOW WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}
# Moves the pointer off the windows so no control is shown hot, then captures one window.
capture() {  # window file
    xdotool mousemove --sync 1020 760
    sleep 0.5
    import -window "$1" "$2"
    echo "wrote $2 ($(identify -format '%wx%h' "$2"))"
}

mkdir -p "$output"
main=$(find_window 'Brontel by Ossimer 【Quorra：Taspin】')
sleep 0.5
# The corner field "统一按钮_角度_编辑框" (28 x 20 at 183, 39 in the group at 227, 515).
click_at "$main" $((227 + 183 + 14)) $((515 + 39 + 10))
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 24
capture "$main" "$output/main-window.png"

# "预览导出" (90 x 36 at 241, 23 in the same group) opens the preview dialog.
click_at "$main" $((227 + 241 + 45)) $((515 + 23 + 18))
dialog=$(find_window '按钮预览 导出')
capture "$dialog" "$output/preview-dialog.png"
