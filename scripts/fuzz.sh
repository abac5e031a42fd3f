#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan into build-fuzz/ and
# runs the maze file reader's target for SECONDS seconds (default 60).
# Exits non-zero when the fuzzer finds a crash, a leak or a hang.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-60}

if [[ ! "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

"$root/scripts/setup.sh"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DORVANE_FUZZ=ON -DORVANE_BUILD_UI=OFF -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)" --target fuzz_mazefile fuzz_mazefile_seeds

# A whole file with both texts at their longest is 137,376 bytes.
max_len=140000
work="$build/fuzz/mazefile"
seeds="$work/seeds"
corpus="$work/corpus"
crashes="$work/crashes"
log="$work/fuzz.log"
mkdir -p "$corpus" "$crashes"
"$build/fuzz/fuzz_mazefile_seeds" "$seeds"

echo "fuzz: running fuzz_mazefile for $seconds s (log: $log)"
rc=0
"$build/fuzz/fuzz_mazefile" \
  -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$crashes/" \
  "$corpus" "$seeds" >"$log" 2>&1 || rc=$?

if ((rc != 0)); then
  # The report, from the first error line to the end.
  first=$(grep -n -m 1 -E 'ERROR: |runtime error: ' "$log" | cut -d: -f1 || true)
  tail -n "+${first:-1}" "$log" >&2
  echo "fuzz: fuzz_mazefile failed (exit $rc); the input is in $crashes/" >&2
  exit "$rc"
fi
grep -E '^(Done [0-9]+ runs|stat::)' "$log"
