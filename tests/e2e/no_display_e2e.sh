#!/usr/bin/env bash
# Started without any desktop session, brontel must say so, tell how to run it under Xvfb,
# and end with a failure status instead of hanging or crashing.
# Usage: no_display_e2e.sh path/to/brontel
set -uo pipefail

brontel=${1:?usage: no_display_e2e.sh path/to/brontel}
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$brontel" 2>&1 >/dev/null)
status=$?

if ((status == 0 || status >= 124)); then
    echo "FAIL: brontel ended with status $status without a desktop session" >&2
    exit 1
fi
for expected in "desktop" "xvfb-run -a build/release/src/app/brontel"; do
    if [[ $message != *"$expected"* ]]; then
        echo "FAIL: the message does not mention \"$expected\": $message" >&2
        exit 1
    fi
done
echo "PASS: brontel refuses to start without a desktop session (status $status)"
