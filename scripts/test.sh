#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole suite headless.
#   --sanitize  the same suite built with AddressSanitizer and
#               UndefinedBehaviorSanitizer into build-sanitize/ (with Unix
#               Makefiles); any report ends the test that made it, and the
#               run fails
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

sanitize=false
case "${1:-}" in
"") ;;
--sanitize) sanitize=true ;;
*)
  echo "usage: scripts/test.sh [--sanitize]" >&2
  exit 2
  ;;
esac

"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen

if ! $sanitize; then
  "$root/scripts/build.sh"
  cd "$root/build"
  exec ctest --output-on-failure --timeout 600 -j "$(nproc)"
fi

# Built with Makefiles, the plain build with Ninja: a clean tree builds with both.
build="$root/build-sanitize"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G "Unix Makefiles" -DORVANE_SANITIZE=ON -DORVANE_BUILD_BENCH=OFF
fi
cmake --build "$build" --parallel "$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd "$build"
# The package check installs and lints the programs: that is the plain build's.
exec ctest --output-on-failure --timeout 900 -j "$(nproc)" -E '^install$'
