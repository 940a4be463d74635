#!/usr/bin/env bash
# Uses the real program as a person would, on a virtual X display, once without a window manager and
# once under openbox: dismisses the credits window (kept out of the task bar and pager, and above the
# entry window), types a loan of 1,000,000 at 6 % for 30 years, presses Enter in Terms, Enter on the
# focused "< Back" and on the focused "Next >", presses Exit, answers Yes and expects the program to
# end with status 0. The framed windows must stand centred on the screen, frame included.
# Exits 77, which ctest counts as skipped, where a tool it needs is missing.
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
  for tool in xvfb-run xdotool xprop xwininfo openbox; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (script/bootstrap installs it)"; exit 77; }
  done
  for desktop in bare openbox; do
    echo "== $desktop X display"
    ORVANTA_ON_VIRTUAL_DISPLAY=$desktop timeout 25 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" || exit 1
  done
  exit 0
fi
source "$(dirname "$0")/../script/lib/program_windows.bash"

fail() {
  echo "FAILED: $*" >&2
  kill "$pid" 2>/dev/null
  exit 1
}

if [ "$ORVANTA_ON_VIRTUAL_DISPLAY" = openbox ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  deadline=$((SECONDS + 10))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    [ $SECONDS -lt $deadline ] || { echo "FAILED: openbox did not start" >&2; exit 1; }
    sleep 0.1
  done
fi

# Prints the gaps between the window's frame and the screen edges: left, right, top, bottom.
frame_gaps() {
  local x y width height screen_width screen_height left=0 right=0 top=0 bottom=0
  x=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p')
  width=$(xwininfo -id "$1" | sed -n 's/^ *Width: *//p')
  height=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
  screen_width=$(xwininfo -root | sed -n 's/^ *Width: *//p')
  screen_height=$(xwininfo -root | sed -n 's/^ *Height: *//p')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
  echo "$((x - ${left:-0})) $((screen_width - x - width - ${right:-0})) $((y - ${top:-0})) $((screen_height - y - height - ${bottom:-0}))"
}

# Waits at most 5 seconds until the window's frame has equal gaps to the screen edges, within 2 pixels.
await_centred() {
  local deadline=$((SECONDS + 5)) left right top bottom
  while [ $SECONDS -lt $deadline ]; do
    read -r left right top bottom < <(frame_gaps "$1")
    [ $(((left - right) ** 2)) -le 4 ] && [ $(((top - bottom) ** 2)) -le 4 ] && return 0
    sleep 0.1
  done
  echo "gaps left, right, top, bottom: $left $right $top $bottom" >&2
  return 1
}

QT_QPA_PLATFORM=xcb "$program" &
pid=$!

timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Orvanta$' >/dev/null ||
  fail "no window titled Orvanta appeared"
splash=$(await_window frmSplash) || fail "the credits window did not appear"
entry=$(await_window frmMain) || fail "the entry window is not visible beneath the credits window"
states=$(xprop -id "$splash" _NET_WM_STATE)
for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
  [[ $states == *$state* ]] || fail "the credits window lacks $state: $states"
done
if [ "$ORVANTA_ON_VIRTUAL_DISPLAY" = openbox ]; then
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ,)
  stacking=" $(printf '%s ' $stacking)"
  above=${stacking#* $(printf '0x%x' "$entry") }
  [[ " $above" == *" $(printf '0x%x' "$splash") "* ]] || fail "the credits window is not above the entry window"
fi
echo "credits window over the entry window, out of the task bar and pager"

xdotool windowfocus --sync "$splash" key space
await_gone frmSplash || fail "a key did not dismiss the credits window"
entry=$(await_window frmMain) || fail "the entry window went away with the credits window"
await_centred "$entry" || fail "the entry window is not centred"
echo "credits window dismissed, entry window centred"

xdotool windowfocus --sync "$entry"
xdotool type --delay 20 1000000
xdotool key Tab
xdotool type --delay 20 6
xdotool key Tab
xdotool type --delay 20 30
xdotool key Return
result=$(await_window frmOutput) || fail "Enter in Terms did not bring up the result window"
await_gone frmMain || fail "the entry window stayed visible beside the result window"
await_centred "$result" || fail "the result window is not centred"
echo "result window with the schedule shown, centred"

# The grid has the focus; Tab moves to "< Back".
xdotool windowfocus --sync "$result" key Tab Return
entry=$(await_window frmMain) || fail "Enter on the focused < Back did not bring back the entry window"
await_gone frmOutput || fail "Enter on the focused < Back left the result window up"
# The focus is back in Terms; Tab moves to "Next >".
xdotool windowfocus --sync "$entry" key Tab KP_Enter
result=$(await_window frmOutput) || fail "keypad Enter on the focused Next > did not bring up the result window"
echo "Enter pressed the focused < Back and Next >"

# Tab passes "< Back" to "Exit".
xdotool windowfocus --sync "$result" key Tab Tab space
question=$(await_window other) || fail "Exit did not ask whether to leave"
echo "exit question asked"
xdotool windowfocus --sync "$question" key Return

ended_with_status_0 || fail "$why"
echo "ended with status 0"
