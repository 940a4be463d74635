#!/usr/bin/env bash
# Uses the real program as a person would, on a virtual X display, once without a window manager and
# once under openbox: dismisses the credits window (kept out of the task bar and pager, and above the
# entry window), types a loan of 1,000,000 at 6 % for 30 years, presses Enter in Terms, Enter on the
# focused "< Back" and on the focused "Next >", presses Exit, answers Yes and expects the program to
# end with status 0. The framed windows must stand centred on the screen, frame included.
# Exits 77, which ctest counts as skipped, where a tool it needs is missing.
set -uo pipefail
program=${1:?usage: end_to_end_test.sh path/to/orvanta}

# Without a display the program says so in one line, naming what it tried, and ends with status 1.
# Qt tries Wayland first where WAYLAND_DISPLAY, XDG_SESSION_TYPE=wayland or QT_QPA_PLATFORM asks for
# it, then X11. Each case: the environment, then the end of the line.
if [ -z "${ORVANTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  runtime=$(mktemp -d)  # an XDG_RUNTIME_DIR with no compositor in it
  while IFS='|' read -r environment expected; do
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
      env $environment timeout 10 "$program" 2>&1 >/dev/null </dev/null)
    status=$?
    if [ "$status" -ne 1 ] || [ "$said" != "Orvanta needs a graphical display and could not open $expected" ]; then
      echo "FAILED: with ${environment:-no display} the program ended with status $status and said: $said" >&2
      rm -rf "$runtime"
      exit 1
    fi
  done <<'EOF'
|one: DISPLAY is not set.
DISPLAY=:98765|display ":98765".
WAYLAND_DISPLAY=wayland-9|one: WAYLAND_DISPLAY "wayland-9" could not be reached and DISPLAY is not set.
WAYLAND_DISPLAY=wayland-9 DISPLAY=:98765|one: WAYLAND_DISPLAY "wayland-9" could not be reached and DISPLAY ":98765" could not be reached.
XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-9|one: WAYLAND_DISPLAY "wayland-9" could not be reached and DISPLAY is not set.
XDG_SESSION_TYPE=wayland|one: WAYLAND_DISPLAY is not set and DISPLAY is not set.
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-9 DISPLAY=:98765|one: WAYLAND_DISPLAY "wayland-9" could not be reached.
QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-9 DISPLAY=:98765|display ":98765".
-u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-9|one: WAYLAND_DISPLAY "wayland-9" could not be reached (XDG_RUNTIME_DIR is not set) and DISPLAY is not set.
EOF
  rm -rf "$runtime"
  echo "no display: one line and status 1"
fi

# A display server that goes away under the running program: one line and status 1 as well. The X
# server is an Xvfb; the Wayland compositor is mutter, nested in one.
lost_display() {
  local work xvfb display session= victim pid expected said status deadline why
  work=$(mktemp -d)  # private, as XDG_RUNTIME_DIR must be
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  display=:$(cat "$work/display")
  if [ "$1" = x11 ]; then
    env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$work" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
      "$program" >/dev/null 2>"$work/said" &
    pid=$!
    shown() { DISPLAY="$display" xdotool search --onlyvisible --pid "$pid" --name '^Orvanta$' >/dev/null 2>&1; }
    victim=$xvfb
    expected="the connection to the X server of DISPLAY \"$display\" broke"
  else
    XDG_RUNTIME_DIR="$work" DISPLAY="$display" dbus-run-session -- \
      mutter --nested --wayland --no-x11 --wayland-display=orvanta-test >"$work/mutter.log" 2>&1 &
    session=$!
    for _ in $(seq 100); do [ -S "$work/orvanta-test" ] && break; sleep 0.1; done
    env -u DISPLAY -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=orvanta-test \
      "$program" >/dev/null 2>"$work/said" &
    pid=$!
    shown() { grep -q wayland-shm "/proc/$pid/maps" 2>/dev/null; }  # a window's buffer is there
    victim=$(pgrep -P "$session" -x mutter)
    expected="the connection to the Wayland compositor of WAYLAND_DISPLAY \"orvanta-test\" broke"
  fi
  # Once the program shows its windows, the server goes.
  deadline=$((SECONDS + 15))
  until shown; do
    [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null && sleep 0.1 && continue
    why="showed no window"
    kill -0 "$pid" 2>/dev/null || why="ended before it showed a window"
    echo "FAILED: on the $1 display the program $why: $(cat "$work/said" "$work/mutter.log" 2>/dev/null)" >&2
    kill "$pid" "$victim" "$xvfb" 2>/dev/null  # dbus-run-session ends its bus when mutter ends
    wait "$pid" "$xvfb" $session 2>/dev/null
    rm -rf "$work"
    return 1
  done
  kill "$victim"
  deadline=$((SECONDS + 10))
  while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
  kill "$pid" 2>/dev/null
  wait "$pid"
  status=$?
  said=$(cat "$work/said")
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" $session 2>/dev/null
  rm -rf "$work"
  [ "$status" -eq 1 ] && [ "$said" = "Orvanta lost its graphical display: $expected." ] && return 0
  echo "FAILED: losing the $1 display the program ended with status $status and said: $said" >&2
  return 1
}
if [ -z "${ORVANTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  for tool in Xvfb xdotool mutter dbus-run-session; do
    command -v "$tool" >/dev/null && continue
    [ "${CI:-}" = "true" ] && { echo "FAILED: $tool is not installed (script/bootstrap installs it)" >&2; exit 1; }
    echo "skipped: $tool is not installed (script/bootstrap installs it)"
    exit 77
  done
  lost_display x11 && lost_display wayland || exit 1
  echo "lost display: one line and status 1"
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
