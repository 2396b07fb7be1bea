# Shared by the end-to-end scripts: a scratch folder, a virtual X server on a free display,
# and cleanup of everything they started. Source it after `set -euo pipefail`.
#   require_tools TOOL...      exits with ctest's skip code when one is missing
#   start_virtual_display      starts Xvfb and exports DISPLAY
#   started PID                marks a process to end when the script ends
#   fail MESSAGE               prints and exits 1

skip=77  # ctest's SKIP_RETURN_CODE for these tests

require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
            exit "$skip"
        fi
    done
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
started_pids=()
started() { started_pids+=("$1"); }
end_started() {
    local pid
    for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap end_started EXIT

# Xvfb picks a free display itself and writes its number to the given descriptor.
start_virtual_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    started $!
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    [[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
}
