#!/usr/bin/env bash
# Asks the real program for its version and help and gives it wrong
# arguments, all without a display; then starts it on a virtual screen,
# leaves its splash window by a click and by Return, finds the main window, opens the editor and ends
# the program from its menu, then again by closing the main window.
# usage: smoke_program.sh PATH-TO-orvane
set -euo pipefail
program=$1
work=$(mktemp -d)
# The program's settings and kept work go to the scratch folder, not the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "smoke: $*" >&2
  [[ -f "$work/orvane.log" ]] && sed 's/^/orvane: /' "$work/orvane.log" >&2
  exit 1
}

# The help and version texts and the usage errors need no window system.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program")
[[ $("${no_display[@]}" --version) == "ORVANE 1.00" ]] || fail "--version"
[[ $("${no_display[@]}" --help) == *'[FILE.mdt | DIR]'* ]] || fail "--help"
for args in --bogus 'a.mdt b.mdt'; do
  status=0
  # shellcheck disable=SC2086 # the words are the arguments
  error=$("${no_display[@]}" $args 2>&1 >/dev/null) || status=$?
  [[ $status == 2 && $error == "orvane: "*"orvane --help"* ]] ||
    fail "orvane $args: status $status, $error"
done

# A free display, chosen by Xvfb itself.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped while the window manager is still starting may stay unmapped.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

find_window() { # name: waits up to 20 s for a visible window with exactly this title
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

start_program() { # click|key: starts the program, leaves the splash; sets app and main
  "$program" >"$work/orvane.log" 2>&1 &
  app=$!
  pids+=("$app")
  splash=$(find_window 'ORVANE') || true
  [[ -n "$splash" ]] || fail "no splash window"
  eval "$(xdotool getwindowgeometry --shell "$splash")"
  if [[ $1 == key ]]; then sleep 0.5; xdotool key Return
  else xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1; fi
  main=$(find_window 'ORVANE for Win95') || true
  [[ -n "$main" ]] || fail "no main window after leaving the splash by $1"
  sleep 0.5
  [[ -z "$(xdotool search --onlyvisible --name '^ORVANE$' 2>/dev/null)" ]] ||
    fail "the splash window is still shown"
}
menu() { # letter: コントロール(&C), then the item with that access key
  xdotool windowactivate --sync "$main" key --clearmodifiers alt+c
  sleep 0.5
  xdotool key "$1"
  sleep 0.5
}
wait_end() { # how: waits for the program to end by itself, successfully
  for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app" 2>/dev/null && fail "the program did not end $1"
  wait "$app" || fail "the program ended $1 with status $?"
}

# With the editor open, both ways out: 終了(&Q), and the main window's close
# box (Alt+F4 through the window manager).
start_program click
menu e
menu q
wait_end "from its menu"
start_program key
menu e
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
wait_end "when its main window closed"
# A folder on the command line: the main window with the list of its mazes.
mkdir "$work/mazes"
"$program" "$work/mazes" >"$work/orvane.log" 2>&1 &
app=$!
pids+=("$app")
main=$(find_window 'ORVANE for Win95') || fail "no main window for a folder"
find_window '(迷路の一覧|Mazes)' >/dev/null || fail "no list of mazes for a folder"
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
wait_end "when its main window closed beside the list"
echo "smoke: splash by click and key, main window, editor, both ways to quit and a folder all worked"
