#!/usr/bin/env bash
# Configures (once) and builds ORVANE into build/. Extra arguments go to the
# first configure, e.g. -DCMAKE_BUILD_TYPE=Debug.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G Ninja "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
