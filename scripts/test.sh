#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole suite headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
