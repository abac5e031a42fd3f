#!/usr/bin/env bash
# Sets up what is missing, builds, and starts ORVANE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run: no display to show ORVANE on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "run: start it from a desktop session, or on a virtual one: xvfb-run scripts/run.sh" >&2
  exit 1
fi
exec "$root/build/app/orvane" "$@"
