#!/usr/bin/env bash
# Sets up the machine, builds Brontel and starts the desktop program. It needs a desktop
# session; without one it says how to run it under Xvfb. brontel-render draws the images
# without any window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
exec ./build/release/src/app/brontel
