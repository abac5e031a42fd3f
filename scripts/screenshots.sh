#!/usr/bin/env bash
# Starts ORVANE on a virtual screen and takes screenshots of the splash, the
# main window, the editor, the player, the list of the sample mazes and the
# help beside the editor into build/screenshots/ (or $1).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/build/screenshots"}

"$root/scripts/setup.sh"
if ! command -v import >/dev/null; then
  echo "screenshots: installing imagemagick"
  sudo=(); ((EUID == 0)) || sudo=(sudo)
  "${sudo[@]}" apt-get install -y -q --no-install-recommends imagemagick
fi
"$root/scripts/build.sh"
mkdir -p "$out"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
cleanup() {
  kill "${app:-}" "${wm:-}" "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
# A window mapped while the window manager is still starting may stay unmapped.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

shot() { # name [window-name]
  sleep 1.5
  import -window root "$out/$1.png"
  echo "screenshots: $out/$1.png"
}

"$root/build/app/orvane" >"$out/orvane.log" 2>&1 &
app=$!
shot splash
# A click on the splash's frame opens the main window.
splash=$(xdotool search --sync --class orvane | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$splash")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
shot main
xdotool key alt+c e
shot editor
xdotool key alt+c p
shot player
xdotool key l
shot levels
xdotool key Escape
xdotool key alt+c e
sleep 0.5
xdotool key F1
shot help
xdotool key alt+c q
wait "$app" || true
