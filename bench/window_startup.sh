#!/usr/bin/env bash
# Measures Brontel's start-up as a whole process: from exec to the main window painted on
# screen, and the peak memory, against a minimal Qt Widgets program that shows one empty
# 800 x 592 window, both on the same virtual X server in the same run.
# Usage: bench/window_startup.sh [build-dir] [runs]   (a Release build: cmake --preset release)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
runs=${2:-15}
probe=$build/bench/brontel-startup-probe
baseline=$build/bench/minimal-window
for program in "$probe" "$baseline"; do
    [[ -x $program ]] || { echo "missing $program: build the bench targets first" >&2; exit 1; }
done
for tool in Xvfb /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# One run: prints "seconds kilobytes cpu-seconds" (wall-clock time, peak resident memory,
# and processor time, which other load on the machine disturbs less).
measure() {
    /usr/bin/time -f '%e %M %U %S' -o "$work/time" "$1" >/dev/null 2>&1
    awk '{ print $1, $2, $3 + $4 }' "$work/time"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure "$probe" >/dev/null  # warm the file cache for both, so every run starts alike
measure "$baseline" >/dev/null
: >"$work/probe" && : >"$work/baseline"
for _ in $(seq "$runs"); do  # interleaved, so drifts of the machine hit both alike
    measure "$probe" >>"$work/probe"
    measure "$baseline" >>"$work/baseline"
done

probe_s=$(cut -d' ' -f1 "$work/probe" | median)
base_s=$(cut -d' ' -f1 "$work/baseline" | median)
probe_kb=$(cut -d' ' -f2 "$work/probe" | median)
base_kb=$(cut -d' ' -f2 "$work/baseline" | median)
probe_cpu=$(cut -d' ' -f3 "$work/probe" | median)
base_cpu=$(cut -d' ' -f3 "$work/baseline" | median)

awk -v ps="$probe_s" -v bs="$base_s" -v pk="$probe_kb" -v bk="$base_kb" -v runs="$runs" \
    -v pc="$probe_cpu" -v bc="$base_cpu" 'BEGIN {
    ratio = ps / bs; extra = (pk - bk) / 1024
    printf "start to window shown, median of %d runs: brontel %.3f s, minimal window %.3f s, ratio %.2f (target at most 1.5)\n", runs, ps, bs, ratio
    printf "processor time, median: brontel %.3f s, minimal window %.3f s, ratio %.2f\n", pc, bc, pc / bc
    printf "peak memory, median: brontel %.1f MiB, minimal window %.1f MiB, %.1f MiB above (target at most 40)\n", pk / 1024, bk / 1024, extra
    exit (ratio <= 1.5 && extra <= 40) ? 0 : 1
}'
