#!/usr/bin/env bash
# Drives the real brontel on a virtual X server as a person would: types 40 into the corner
# field, presses "预览导出", presses "导出图片" in the preview dialog and answers No to the
# question, then checks that the four exported files are byte for byte those brontel-render
# draws from the same design, and that answering No opened no folder.
# Usage: export_e2e.sh path/to/brontel path/to/brontel-render
set -euo pipefail

brontel=${1:?usage: export_e2e.sh path/to/brontel path/to/brontel-render}
renderer=${2:?usage: export_e2e.sh path/to/brontel path/to/brontel-render}
source "$(dirname "$0")/virtual_display.sh"
require_tools Xvfb xdotool python3
start_virtual_display

# Opening the folder goes through xdg-open; this one only notes that it was asked.
mkdir "$work/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

# A copy of the program in a folder of its own, so its output folder lands there.
mkdir "$work/program"
cp "$brontel" "$work/program/brontel"
"$work/program/brontel" 2>"$work/brontel.log" &
brontel_pid=$!
started "$brontel_pid"

# The window of this caption, once visible.
find_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1 ||
        fail "no window captioned \"$1\" appeared: $(cat "$work/brontel.log")"
}
# A click at a place given in the window's client coordinates.
click_at() {  # window x y
    local X Y WINDOW WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}

main=$(find_window 'Brontel by Ossimer 【Quorra：Taspin】')
sleep 0.5

# The corner field "统一按钮_角度_编辑框" (28 x 20 at 183, 39 in the group "分组框1" at 227, 515).
click_at "$main" $((227 + 183 + 14)) $((515 + 39 + 10))
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 40

# "预览导出" (90 x 36 at 241, 23 in the group) opens the preview dialog.
click_at "$main" $((227 + 241 + 45)) $((515 + 23 + 18))
dialog=$(find_window '按钮预览 导出')
sleep 0.5

# "导出图片" (71 x 24 at 217, 7 in the dialog) writes the files and asks "是否打开目录？".
click_at "$dialog" $((217 + 35)) $((7 + 12))
question=$(find_window '提示')
sleep 0.3
# Escape answers with the box's No button, the only one of its kind.
xdotool windowfocus --sync "$question"
xdotool key Escape
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^提示$' >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^提示$' >/dev/null && fail "the question stayed open"
xdotool search --onlyvisible --name '^按钮预览 导出$' >/dev/null ||
    fail "the preview dialog closed after the export"
sleep 0.5
[[ ! -e $work/opened ]] || fail "answering No opened $(cat "$work/opened")"

# The same design for the renderer: the initial one with corners of 40.
"$renderer" --defaults >"$work/defaults.json"
python3 - "$work/defaults.json" "$work/design.json" <<'EOF'
import json, sys
design = json.load(open(sys.argv[1], encoding="utf-8"))
design["cornerDiameter"] = 40
json.dump(design, open(sys.argv[2], "w", encoding="utf-8"), ensure_ascii=False)
EOF
"$renderer" "$work/design.json" -o "$work/rendered" || fail "brontel-render failed"

for name in 按钮_正常图片.bmp 按钮_点燃图片.bmp 按钮_按下图片.bmp 按钮_禁止图片.bmp; do
    exported=$work/program/制作的图片/$name
    [[ -f $exported ]] || fail "$name was not exported"
    size=$(stat -c %s "$exported")
    ((size == 178694)) || fail "$name is $size bytes, not 178694"
    cmp -s "$exported" "$work/rendered/$name" ||
        fail "$name differs from brontel-render's: $(cmp "$exported" "$work/rendered/$name" || true)"
done

# Without a window manager nothing can ask the windows to close, so the program is ended.
kill -TERM "$brontel_pid"
wait "$brontel_pid" 2>/dev/null || true
brontel_pid=
echo "PASS: four exported images equal brontel-render's with corners of 40; No opened nothing"
