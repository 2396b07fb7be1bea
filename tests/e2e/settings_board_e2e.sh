#!/usr/bin/env bash
# Drives the real program on a virtual X server as a person would: chooses a gradient mode
# and a border on the Normal page with the mouse and the keyboard, and checks the Normal
# face's pixels in screenshots of the screen.
# Usage: settings_board_e2e.sh path/to/brontel
set -euo pipefail

program=${1:?usage: $0 path/to/brontel}
source "$(dirname "$0")/virtual_display.sh"
require_tools Xvfb xdotool import convert
start_virtual_display

# The program makes its output folder beside itself: run a copy in the scratch folder.
cp "$program" "$work/brontel"
"$work/brontel" >"$work/program.log" 2>&1 &
program_pid=$!
started "$program_pid"
window=$(timeout 30 xdotool search --sync --onlyvisible --name "Brontel" | head -n1) ||
  fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y: the client area on the screen
sleep 0.5

# The colour of a pixel of the window's client area, as "R G B".
pixel() {
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "1x1+$((X + $1))+$((Y + $2))" -depth 8 txt:- |
    sed -n 's/.*#\([0-9A-Fa-f]\{2\}\)\([0-9A-Fa-f]\{2\}\)\([0-9A-Fa-f]\{2\}\).*/\1 \2 \3/p' |
    { read -r r g b; echo "$((16#$r)) $((16#$g)) $((16#$b))"; }
}

# Waits up to ten seconds for the pixel to satisfy `test`, called with its R, G and B.
wait_for_pixel() {  # name x y test
  local r g b
  for _ in $(seq 50); do
    read -r r g b <<<"$(pixel "$2" "$3")"
    "$4" "$r" "$g" "$b" && return 0
    sleep 0.2
  done
  fail "$1: pixel ($2, $3) is $r $g $b"
}

is_pink() { (($1 == 255 && $2 == 168 && $3 == 255)); }
is_mid_grey() { (($1 == 128 && $2 == 128 && $3 == 128)); }
is_white() { (($1 == 255 && $2 == 255 && $3 == 255)); }
is_dark_grey() { (($1 < 160 && $1 == $2 && $2 == $3)); }

# Opens a combo's list with a click at its centre and takes the item `downs` rows below
# the selected one with the keyboard.
choose_item() {  # x y downs
  xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1
  sleep 1
  for _ in $(seq "$3"); do xdotool key Down; done
  xdotool key Return
  sleep 0.5
}

# The Normal face lies at (240, 41) in the window; its own colour first.
face_x=240 face_y=41
wait_for_pixel "Normal face at start" $((face_x + 3)) $((face_y + 1)) is_pink

# "背景渐变方式" (item "从上到下", one below "无"): grey at the top, white in the middle.
choose_item 145 39 1
wait_for_pixel "gradient top" $((face_x + 135)) "$face_y" is_mid_grey
wait_for_pixel "gradient middle" "$face_x" $((face_y + 110)) is_white

# "按钮效果" (item "单线边框式", five below "无边框"): a dark line along the face's edge,
# the gradient inside it.
choose_item 145 246 5
wait_for_pixel "single-line border" "$face_x" $((face_y + 110)) is_dark_grey
wait_for_pixel "inside the border" $((face_x + 3)) $((face_y + 110)) is_white

echo "settings_board_e2e: passed"
