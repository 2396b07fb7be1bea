#!/usr/bin/env bash
# Builds the fuzzers (clang, ASan + UBSan), writes their seed corpora, replays the seeds, the
# kept corpus (fuzz/corpus/<fuzzer>/) and the kept crash inputs (fuzz/regressions/<fuzzer>/),
# then fuzzes each target for a few seconds starting from all of them. Exits non-zero when any
# input crashes, leaks or trips a sanitizer.
#
#   scripts/fuzz.sh [seconds per fuzzer, default 12]
#   FUZZ_BUILD_DIR=build/other scripts/fuzz.sh    # another build folder than build/fuzz
#   FUZZ_REFRESH_CORPUS=1 scripts/fuzz.sh 300     # then merge-minimise into fuzz/corpus/
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-12}
build=${FUZZ_BUILD_DIR:-build/fuzz}
fuzzers=(decode_picture bmp gif icon pcx design_reader)

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target brontel-fuzz-seeds "${fuzzers[@]/%/_fuzzer}"

seeds=$build/fuzz-seeds
rm -rf "$seeds"
"$build/fuzz/brontel-fuzz-seeds" "$seeds"

failed=()
for name in "${fuzzers[@]}"; do
  fuzzer=$build/fuzz/${name}_fuzzer
  corpus=$build/fuzz-corpus/$name
  artifacts=$build/fuzz-artifacts/$name/
  mkdir -p "$corpus" "$artifacts"
  inputs=("$seeds/$name" "fuzz/corpus/$name")
  [[ -d fuzz/regressions/$name ]] && inputs+=("fuzz/regressions/$name")

  echo "== $name: replaying seeds, the kept corpus and kept inputs"
  if ! "$fuzzer" -runs=0 "${inputs[@]}" 2>"$build/fuzz-$name-replay.log"; then
    tail -n 30 "$build/fuzz-$name-replay.log"
    failed+=("$name (replay)")
    continue
  fi

  echo "== $name: fuzzing for ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -artifact_prefix="$artifacts" \
      -print_final_stats=1 "$corpus" "${inputs[@]}" 2>"$build/fuzz-$name.log"; then
    tail -n 30 "$build/fuzz-$name.log"
    failed+=("$name (inputs in $artifacts)")
    continue
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz-$name.log" || true

  if [[ ${FUZZ_REFRESH_CORPUS:-0} == 1 ]]; then
    echo "== $name: merging into fuzz/corpus/$name"
    merged=$build/fuzz-merged/$name
    rm -rf "$merged" && mkdir -p "$merged"
    "$fuzzer" -merge=1 -timeout=30 -rss_limit_mb=2048 "$merged" \
      "$seeds/$name" "fuzz/corpus/$name" "$corpus" 2>"$build/fuzz-$name-merge.log"
    rm -rf "fuzz/corpus/$name" && mv "$merged" "fuzz/corpus/$name"
  fi
done

if ((${#failed[@]})); then
  echo "fuzz: failures in: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: no failures"
