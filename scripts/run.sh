#!/usr/bin/env bash
# Sets up the machine, builds Brontel and renders the default design's four button images.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
out="${1:-$PWD/build/images}"
./build/release/src/cli/brontel-render --defaults > build/default-design.json
./build/release/src/cli/brontel-render build/default-design.json -o "$out"
echo "The four button images of the default design are in $out"
