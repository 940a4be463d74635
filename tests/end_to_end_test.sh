#!/usr/bin/env bash
# Uses the real program as a person would, on a virtual X display: dismisses the credits window,
# types the worked example (100000, 6, 30), presses Enter, finds the result window, presses Exit,
# answers Yes and expects the program to end with status 0.
# Exits 77, which ctest counts as skipped, where xvfb-run or xdotool is missing.
set -uo pipefail
program=${1:?usage: end_to_end_test.sh path/to/orvanta}

# Without a display the program says so in one line, naming the display, and ends with status 1.
if [ -z "${ORVANTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  for display in unset :98765; do
    if [ "$display" = unset ]; then
      said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM timeout 10 "$program" 2>&1 >/dev/null)
    else
      said=$(env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM DISPLAY="$display" timeout 10 "$program" 2>&1 >/dev/null)
    fi
    status=$?
    expected="Orvanta needs a graphical display and could not open display \"$display\"."
    [ "$display" = unset ] && expected="Orvanta needs a graphical display and could not open one: DISPLAY is not set."
    if [ "$status" -ne 1 ] || [ "$said" != "$expected" ]; then
      echo "FAILED: with DISPLAY $display the program ended with status $status and said: $said" >&2
      exit 1
    fi
  done
  echo "no display: one line and status 1"
fi

if [ -z "${ORVANTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (script/bootstrap installs it)"; exit 77; }
  done
  ORVANTA_ON_VIRTUAL_DISPLAY=1 exec timeout 55 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program"
fi
source "$(dirname "$0")/../script/lib/program_windows.bash"

fail() {
  echo "FAILED: $*" >&2
  kill "$pid" 2>/dev/null
  exit 1
}

QT_QPA_PLATFORM=xcb "$program" &
pid=$!

timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Orvanta$' >/dev/null ||
  fail "no window titled Orvanta appeared"
splash=$(await_window frmSplash) || fail "the credits window did not appear"
await_window frmMain >/dev/null || fail "the entry window is not visible beneath the credits window"
echo "credits window over the entry window"

xdotool windowfocus --sync "$splash" key space
await_gone frmSplash || fail "a key did not dismiss the credits window"
entry=$(await_window frmMain) || fail "the entry window went away with the credits window"
echo "credits window dismissed"

xdotool windowfocus --sync "$entry"
xdotool type --delay 20 100000
xdotool key Tab
xdotool type --delay 20 6
xdotool key Tab
xdotool type --delay 20 30
xdotool key Return
result=$(await_window frmOutput) || fail "Enter in Terms did not bring up the result window"
await_gone frmMain || fail "the entry window stayed visible beside the result window"
echo "result window with the schedule shown"

# The grid has the focus; Tab passes "< Back" to "Exit".
xdotool windowfocus --sync "$result" key Tab Tab space
question=$(await_window other) || fail "Exit did not ask whether to leave"
echo "exit question asked"
xdotool windowfocus --sync "$question" key Return

await_end || fail "the program did not end on Yes"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "ended with status 0"
