#!/usr/bin/env bash
# Times the whole brontel-render process on the initial design (four images written) beside
# ImageMagick writing one BMP of the same size, median of RUNS runs each, in the same run;
# then the PNG and twice-size outputs against the plain BMP run.
# Usage: bench/render_process.sh [path/to/brontel-render]   (RUNS=20, IMAGEMAGICK=convert)
set -euo pipefail

render=${1:-build/release/src/cli/brontel-render}
runs=${RUNS:-20}
imagemagick=${IMAGEMAGICK:-convert}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$render" --defaults >"$work/design.json"

# Median wall time in milliseconds of running the given command $runs times.
median_ms() {
  local times=()
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
    m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.1f\n", m / 1000 }'
}

ours=$(median_ms "$render" "$work/design.json" -o "$work/out")
theirs=$(median_ms "$imagemagick" -size 270x220 gradient: "$work/gradient.bmp")
echo "brontel-render, four 270x220 BMP files: ${ours} ms (median of $runs)"
echo "ImageMagick convert, one 270x220 BMP:   ${theirs} ms (median of $runs)"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "ratio: %.2f (target at most 2)\n", a / b }'

for options in "--format png" "--scale 2" "--format png --scale 2"; do
  # shellcheck disable=SC2086 # the options are words on purpose
  other=$(median_ms "$render" "$work/design.json" -o "$work/out" $options)
  awk -v a="$other" -v b="$ours" -v o="$options" \
    'BEGIN { printf "brontel-render %s: %.1f ms, %.2fx the BMP run\n", o, a, a / b }'
done
