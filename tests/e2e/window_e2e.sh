#!/usr/bin/env bash
# Drives the real brontel on a virtual X server as a person would: finds its window by its
# caption, checks the client size and the board's first face on screen, clicks the Disabled
# face and checks that the selection frame's rim moved to the bottom-right cell, then ends it.
# Usage: window_e2e.sh path/to/brontel
set -euo pipefail

brontel=${1:?usage: window_e2e.sh path/to/brontel}
source "$(dirname "$0")/virtual_display.sh"
require_tools Xvfb xdotool xwininfo import convert
start_virtual_display

# A copy of the program in a folder of its own, so its output folder lands there.
cp "$brontel" "$work/brontel"
"$work/brontel" 2>"$work/brontel.log" &
brontel_pid=$!
started "$brontel_pid"

caption='Brontel by Ossimer 【Quorra：Taspin】'
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n1) ||
    fail "no window captioned \"$caption\" appeared: $(cat "$work/brontel.log")"
[[ -d $work/制作的图片 ]] || fail "the output folder was not made beside the program"

info=$(xwininfo -id "$window")
field() { awk -F: -v name="$1" '$1 ~ name { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
left=$(field 'Absolute upper-left X')
top=$(field 'Absolute upper-left Y')
size="$(field '^  Width')x$(field '^  Height')"
[[ $size == 800x592 ]] || fail "client area is $size, not 800x592"

# The colour of one screen pixel, given in window client coordinates, as "R,G,B".
pixel() {
    local x=$(($1 + left)) y=$(($2 + top))
    convert "$work/screen.png" \
        -format "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info:
}
screenshot() { import -window root "$work/screen.png"; }

# Takes screenshots until the check passes, for up to 10 seconds: a busy machine may take a
# while to repaint.
settles() {
    for _ in $(seq 40); do
        screenshot
        "$@" && return 0
        sleep 0.25
    done
    return 1
}

# The board lies at 228, 10; cells at 12, 31 (Normal) and 287, 255 (Disabled), 270 x 220,
# and the frame's outer rim 2 pixels outside the cell. Rim points sit halfway down a side.
normal_face=(250 61)    # near the Normal face's top-left, away from its caption
normal_rim=(238 151)    # left rim of the frame around the Normal cell
disabled_rim=(513 375)  # left rim of the frame around the Disabled cell
disabled_face=(650 330) # inside the Disabled face
white=255,255,255

state() {
    echo "Normal face $(pixel "${normal_face[@]}"), rim at the Normal cell" \
        "$(pixel "${normal_rim[@]}"), rim at the Disabled cell $(pixel "${disabled_rim[@]}")"
}
frame_at_normal() {
    [[ $(pixel "${normal_face[@]}") == 255,168,255 && $(pixel "${normal_rim[@]}") != "$white" &&
        $(pixel "${disabled_rim[@]}") == "$white" ]]
}
frame_at_disabled() {
    [[ $(pixel "${disabled_rim[@]}") != "$white" && $(pixel "${normal_rim[@]}") == "$white" ]]
}

settles frame_at_normal || fail "at start, expected the Normal face 255,168,255 framed: $(state)"
xdotool mousemove --sync $((left + disabled_face[0])) $((top + disabled_face[1])) click 1
settles frame_at_disabled || fail "after clicking the Disabled face, expected its frame: $(state)"

# Without a window manager nothing can ask the window to close, so the program is ended.
kill -TERM "$brontel_pid"
wait "$brontel_pid" 2>/dev/null || true
brontel_pid=
echo "PASS: window found, 800x592, Normal face 255,168,255, frame follows the Disabled face"
