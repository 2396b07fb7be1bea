#!/usr/bin/env bash
# Sets up the machine, builds Brontel twice (optimised, and with ASan+UBSan) and runs every
# test of both builds, then replays the fuzzers' kept inputs and fuzzes each reader briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)

for preset in release asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset tests"
  ctest --preset "$preset" -j "$jobs"
done

echo "== fuzzers"
bash scripts/fuzz.sh 12
