#!/usr/bin/env bash
# Starts copies of brontel (on Qt's offscreen platform, so no display is needed) in program
# folders of three kinds and checks the output folder "制作的图片" beside the program: made
# when missing, left alone with its files when present, and when it cannot be made, one in
# the user's pictures folder is made instead and the window still opens.
# Usage: output_folder_e2e.sh path/to/brontel
set -uo pipefail

brontel=${1:?usage: output_folder_e2e.sh path/to/brontel}
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
# A home of its own, so the user's real pictures folder is never touched.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
pictures_output=$HOME/Pictures/制作的图片

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program copied into the folder for a few seconds; it must still be running when
# stopped, its window open, rather than have ended or crashed.
runs_in() {
    [[ -x $1/brontel ]] || cp "$brontel" "$1/brontel"
    QT_QPA_PLATFORM=offscreen timeout 3 "$1/brontel" >/dev/null 2>&1
    local status=$?
    ((status == 124)) || fail "in $2 brontel ended with status $status instead of running"
}

fresh=$work/fresh
mkdir "$fresh"
runs_in "$fresh" "a fresh folder"
[[ -d $fresh/制作的图片 ]] || fail "the output folder was not made beside the program"
[[ ! -e $pictures_output ]] || fail "the pictures folder was used although the program's folder could be"

existing=$work/existing
mkdir -p "$existing/制作的图片"
printf 'BM kept' >"$existing/制作的图片/按钮_正常图片.bmp"
touch -d '2001-02-03 04:05:06' "$existing/制作的图片/按钮_正常图片.bmp" "$existing/制作的图片"
runs_in "$existing" "a folder with an output folder"
[[ $(cat "$existing/制作的图片/按钮_正常图片.bmp") == 'BM kept' ]] || fail "an exported file was changed"
[[ $(stat -c %Y "$existing/制作的图片") == $(date -d '2001-02-03 04:05:06' +%s) ]] ||
    fail "the existing output folder was touched"

# A file where the folder should go: the folder cannot be made, as in a read-only folder.
blocked=$work/blocked
mkdir "$blocked"
printf 'not a folder' >"$blocked/制作的图片"
runs_in "$blocked" "a folder where the output folder cannot be made"
[[ -f $blocked/制作的图片 && $(cat "$blocked/制作的图片") == 'not a folder' ]] ||
    fail "what stood in the output folder's place was changed"
[[ -d $pictures_output ]] || fail "no output folder was made in the pictures folder instead"
rm -rf "$pictures_output"

# Permissions stop only other users than root; as root the case above stands for it.
if (($(id -u) != 0)); then
    readonly_folder=$work/readonly
    mkdir "$readonly_folder"
    cp "$brontel" "$readonly_folder/brontel"
    chmod a-w "$readonly_folder"
    runs_in "$readonly_folder" "a read-only folder"
    [[ -d $pictures_output ]] || fail "a read-only program folder did not send the images to pictures"
fi

((failures == 0)) || exit 1
echo "PASS: output folder made beside the program, existing one kept, pictures used when blocked"
