#!/usr/bin/env bash
# Installs a built Brontel into a scratch prefix and checks the tree: both programs, a valid
# desktop entry with its Chinese name and comment, and the icon in both sizes; the installed
# brontel-render draws a design. Then packs the Debian package and checks its contents and
# the packages it depends on.
# Usage: install_package_e2e.sh path/to/build-folder
set -uo pipefail

build=${1:?usage: install_package_e2e.sh path/to/build-folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

installed=(
    bin/brontel
    bin/brontel-render
    share/applications/brontel.desktop
    share/icons/hicolor/24x24/apps/brontel.png
    share/icons/hicolor/48x48/apps/brontel.png
)

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }
for file in "${installed[@]}"; do
    [[ -s $prefix/$file ]] || fail "the install tree lacks $file"
done
for program in brontel brontel-render; do
    [[ -x $prefix/bin/$program ]] || fail "$program is not installed as a program"
done

entry=$prefix/share/applications/brontel.desktop
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -q '^Name\[zh_CN\]=.*按钮' "$entry" || fail "the desktop entry has no Chinese name"
grep -q '^Comment\[zh_CN\]=.*按钮' "$entry" || fail "the desktop entry has no Chinese comment"
grep -q '^Exec=brontel$' "$entry" || fail "the desktop entry does not start brontel"
for size in 24 48; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/brontel.png
    [[ $(identify -format '%wx%h' "$icon" 2>/dev/null) == "${size}x${size}" ]] ||
        fail "the ${size}x${size} icon is not ${size} pixels square"
done

"$prefix/bin/brontel-render" --defaults >"$work/design.json" || fail "installed brontel-render --defaults failed"
"$prefix/bin/brontel-render" "$work/design.json" -o "$work/images" 2>"$work/render.log" ||
    { cat "$work/render.log" >&2; fail "installed brontel-render could not draw the defaults"; }
[[ $(find "$work/images" -name '*.bmp' | wc -l) == 4 ]] || fail "installed brontel-render wrote no four images"

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { tail -n 30 "$work/cpack.log" >&2; fail "cpack could not pack the Debian package"; }
deb=$(find "$work/package" -maxdepth 1 -name 'brontel_*.deb' | head -n 1)
if [[ -z $deb ]]; then
    fail "no Debian package was made"
else
    contents=$(dpkg-deb -c "$deb")
    for file in "${installed[@]}"; do
        grep -q "\./usr/$file\$" <<<"$contents" || fail "the package lacks /usr/$file"
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libjpeg62-turbo \
        libpng16-16 fonts-arphic-uming fonts-wqy-microhei; do
        grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package"
    done
fi

((failures == 0)) || exit 1
echo "PASS: install tree, desktop entry, icons and Debian package ($(basename "$deb"))"
