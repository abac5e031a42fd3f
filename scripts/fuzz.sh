#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan into build-fuzz/ and
# runs them side by side for SECONDS seconds each (default 60): the maze file
# reader's, the maze text reader's, the kept editor work's reader, the
# player's records reader, the editor's private clipboard form's and the
# music device's (our MIDI rebuild, then FluidSynth's player).
# Exits non-zero when a fuzzer finds a crash, a leak or a hang.
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
cmake --build "$build" --parallel "$(nproc)" \
  --target fuzz_mazefile fuzz_mazefile_seeds fuzz_mazetext fuzz_mazetext_seeds \
  fuzz_keptwork fuzz_keptwork_seeds fuzz_records fuzz_records_seeds fuzz_region fuzz_region_seeds \
  fuzz_music fuzz_music_seeds

# Where TARGET keeps its seeds, corpus, crashes and log.
workdir() {
  echo "$build/fuzz/${1#fuzz_}"
}

# Starts TARGET in the background on its seeds and a corpus kept between runs.
# usage: start TARGET SEEDER MAX_LEN TIMEOUT
start() {
  local target=$1 seeder=$2 max_len=$3 timeout=$4
  local work
  work=$(workdir "$target")
  mkdir -p "$work/corpus" "$work/crashes"
  "$build/fuzz/$seeder" "$work/seeds"
  echo "fuzz: running $target for $seconds s (log: $work/fuzz.log)"
  "$build/fuzz/$target" \
    -max_total_time="$seconds" -max_len="$max_len" -timeout="$timeout" \
    -print_final_stats=1 -artifact_prefix="$work/crashes/" \
    "$work/corpus" "$work/seeds" >"$work/fuzz.log" 2>&1 &
}

# Waits for TARGET and reports its end.
finish() {
  local target=$1 pid=$2 rc=0 work
  work=$(workdir "$target")
  wait "$pid" || rc=$?
  if ((rc != 0)); then
    # The report, from the first error line to the end.
    first=$(grep -n -m 1 -E 'ERROR: |runtime error: ' "$work/fuzz.log" | cut -d: -f1 || true)
    tail -n "+${first:-1}" "$work/fuzz.log" >&2
    echo "fuzz: $target failed (exit $rc); the input is in $work/crashes/" >&2
    return "$rc"
  fi
  echo "fuzz: $target"
  grep -E '^(Done [0-9]+ runs|stat::)' "$work/fuzz.log"
}

# A whole maze file with both texts at their longest is 137,376 bytes. A few
# thousand MIDI events play through FluidSynth in a few milliseconds: five
# seconds on one input means it is stuck.
start fuzz_mazefile fuzz_mazefile_seeds 140000 10
maze=$!
# Texts of small maps keep the fuzzer quick; the reader's limits on counts
# and lengths do not depend on the size.
start fuzz_mazetext fuzz_mazetext_seeds 65536 10
text=$!
# Kept work holds a whole maze (71,842 bytes and more) and its steps.
start fuzz_keptwork fuzz_keptwork_seeds 200000 10
work=$!
# Records of a few dozen mazes: the reader's checks do not depend on their count.
start fuzz_records fuzz_records_seeds 65536 10
records=$!
# The largest region's private form is 65,555 bytes; one more is refused.
start fuzz_region fuzz_region_seeds 65556 10
region=$!
start fuzz_music fuzz_music_seeds 16384 5
music=$!

rc=0
finish fuzz_mazefile "$maze" || rc=$?
finish fuzz_mazetext "$text" || rc=$?
finish fuzz_keptwork "$work" || rc=$?
finish fuzz_records "$records" || rc=$?
finish fuzz_region "$region" || rc=$?
finish fuzz_music "$music" || rc=$?
exit "$rc"
