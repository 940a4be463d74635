#!/usr/bin/env bash
# Uses the real program as a person would, natively on the platform given: x11 (a virtual X display,
# bare and under openbox) or wayland (mutter nested on a virtual X display, which xdotool drives).
# First the program starts without a display (x11) and loses its display server: each time one line
# and status 1. Then one run from the credits at start-up to Yes to the exit question, by keys and by
# clicks on the window beneath a modal one. What the keys reached is read back from the clipboard,
# which keeps the schedule once the program has gone (on X11 through a clipboard manager,
# tests/support/clipboard_manager.py). On X11 the window states are checked as well.
# Exits 77, which ctest counts as skipped, where a tool it needs is missing, except under CI.
set -uo pipefail
program=${1:?usage: end_to_end_test.sh path/to/orvanta x11|wayland}
platform=${2:-x11}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/desktop.bash"

case $platform in
x11) need Xvfb xdotool import convert xprop xwininfo openbox xclip python3:Xlib
  desktops=(bare openbox) limit=300 ;;
wayland) need Xvfb xdotool import convert mutter dbus-daemon wl-paste
  desktops=(mutter) limit=150 ;;
*) echo "unknown platform $platform" >&2; exit 2 ;;
esac
# A hang ends here. On a loaded machine and under the sanitizers a desktop takes over 70 s.
desktop_time_limit $limit

# Without a display the program says so in one line, naming what it tried, and ends with status 1.
# Qt tries Wayland first where WAYLAND_DISPLAY, XDG_SESSION_TYPE=wayland or QT_QPA_PLATFORM asks for
# it, then X11. Each case: the environment, then the end of the line.
if [ "$platform" = x11 ]; then
  runtime=$desktop_work/empty  # an XDG_RUNTIME_DIR with no compositor in it
  mkdir -m 700 "$runtime"
  while IFS='|' read -r environment expected; do
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
      env $environment timeout 10 "$program" 2>&1 >/dev/null </dev/null)
    status=$?
    if [ "$status" -ne 1 ] || [ "$said" != "Orvanta needs a graphical display and could not open $expected" ]; then
      fail "with ${environment:-no display} the program ended with status $status and said: $said"
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
QT_QPA_PLATFORM=wayland-egl;wayland;xcb WAYLAND_DISPLAY=wayland-9|one: WAYLAND_DISPLAY "wayland-9" could not be reached and DISPLAY is not set.
-u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-9|one: WAYLAND_DISPLAY "wayland-9" could not be reached (XDG_RUNTIME_DIR is not set) and DISPLAY is not set.
EOF
  echo "no display: one line and status 1"
fi

# The display server of the platform goes away under the running program: one line and status 1 as
# well. The X server is an Xvfb; the Wayland compositor is mutter, nested in one.
start_display
if [ "$platform" = x11 ]; then
  env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$desktop_work" QT_QPA_PLATFORM=xcb \
    "$program" >/dev/null 2>"$desktop_work/said" &
  pid=$!
  shown() { xdotool search --onlyvisible --pid "$pid" --name '^Orvanta$' >/dev/null 2>&1; }
  victim=$desktop_xvfb
  expected="the connection to the X server of DISPLAY \"$DISPLAY\" broke"
else
  start_compositor
  env -u DISPLAY -u XDG_SESSION_TYPE QT_QPA_PLATFORM=wayland "$program" >/dev/null 2>"$desktop_work/said" &
  pid=$!
  shown() { grep -q wayland-shm "/proc/$pid/maps" 2>/dev/null; } # a window's buffer is there
  victim=$desktop_compositor
  expected="the connection to the Wayland compositor of WAYLAND_DISPLAY \"$WAYLAND_DISPLAY\" broke"
fi
# Once the program shows its windows, the server goes.
await 15 eval 'shown || ! kill -0 "$pid" 2>/dev/null'
if ! shown; then
  why="showed no window"
  kill -0 "$pid" 2>/dev/null || why="ended before it showed a window"
  fail "on the $platform display the program $why: $(cat "$desktop_work/said" "$desktop_work/mutter.log" 2>/dev/null)"
fi
kill "$victim"
await 10 eval '! kill -0 "$pid" 2>/dev/null'
kill "$pid" 2>/dev/null
wait "$pid"
status=$?
said=$(cat "$desktop_work/said")
[ "$status" -eq 1 ] && [ "$said" = "Orvanta lost its graphical display: $expected." ] ||
  fail "losing the $platform display the program ended with status $status and said: $said"
end_desktop
echo "lost display: one line and status 1"

# What the keys reached is read back from the clipboard.
clipboard() {
  if [ "$platform" = wayland ]; then timeout 5 wl-paste -n 2>/dev/null; else timeout 5 xclip -selection clipboard -o 2>/dev/null; fi
}
keys() { xdotool key --delay 40 "$@"; }
# Without a window manager nobody gives a window the keyboard: the test does, as one would.
focus_on_bare_x() {
  [ "$desktop" = bare ] || return 0
  local window
  window=$(await_window "$1") || fail "$1 is not shown"
  xdotool windowfocus --sync "$window"
}

screenshot() { import -window root "$desktop_work/$1.ppm"; }
# Prints "x y width height" of what differs between two screenshots; a compositor may dither its
# background afresh with each frame, by a few levels.
changed_area() {
  convert "$desktop_work/$1.ppm" "$desktop_work/$2.ppm" -compose difference -composite -threshold 5% -trim \
    -format '%X %Y %w %h' info: | tr -d +
}
# Clicks a point of the window that the first screenshot shows alone, where the second one, taken
# with a modal window over it, shows it unchanged: a click on the window beneath the modal one,
# inside its frame, on the window itself.
click_window_beneath() {
  local x y width height point px py
  read -r x y width height < <(changed_area desktop "$1")
  for point in "10 $((height / 2))" "$((width - 11)) $((height / 2))" "10 $((height - 11))" "$((width - 11)) $((height - 11))"; do
    read -r px py <<<"$point"
    px=$((x + px)) py=$((y + py))
    # Nothing within 4 pixels of the point changed when the modal window came up.
    if [ "$(convert "$desktop_work/$1.ppm" "$desktop_work/$2.ppm" -compose difference -composite -crop "9x9+$((px - 4))+$((py - 4))" \
      -format '%[fx:maxima < 0.05]' info:)" = 1 ]; then
      xdotool mousemove "$px" "$py" click 1
      return 0
    fi
  done
  echo "the modal window covers its window: $(changed_area "$1" "$2")" >&2
  return 1
}
# Whether two screenshots differ by more than a blinking text cursor.
differ() {
  [ "$(convert "$desktop_work/$1.ppm" "$desktop_work/$2.ppm" -compose difference -composite -threshold 5% -colorspace gray \
    -format '%[fx:mean*w*h > 64]' info:)" = 1 ]
}
# Waits until the screen stops changing for over half a second, at most 5 seconds, and keeps the last
# screenshot. The pointer waits in the corner, out of the windows' way.
await_still() {
  local deadline=$((SECONDS + 5)) still=0
  xdotool mousemove 1023 767
  screenshot "$1"
  while [ $SECONDS -lt $deadline ] && [ $still -lt 2 ]; do
    sleep 0.3
    screenshot "$1.next"
    if differ "$1" "$1.next"; then still=0; else still=$((still + 1)); fi
    mv "$desktop_work/$1.next.ppm" "$desktop_work/$1.ppm"
  done
}
# Waits until the screen differs from the given screenshot, at most 5 seconds or the seconds given,
# then until it is still.
await_change() {
  local deadline=$((SECONDS + ${3:-5}))
  while [ $SECONDS -lt $deadline ]; do
    screenshot "$2"
    differ "$1" "$2" && break
    sleep 0.2
  done
  await_still "$2"
}
# Copies the selection (Ctrl+A, Ctrl+C) until the clipboard's first line is the given text, at most
# 10 seconds: the window that should have the keyboard may still be on its way.
await_copied() {
  local deadline=$((SECONDS + 10))
  while [ $SECONDS -lt $deadline ]; do
    keys ctrl+a ctrl+c
    [ "$(clipboard | head -n 1)" = "$1" ] && return 0
    sleep 0.3
  done
  return 1
}

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

# X11 only: the credits window is over the entry window, out of the task bar and pager; the
# windows are centred.
check_credits_window_x11() {
  [ "$platform" = x11 ] || return 0
  local splash entry states stacking above
  splash=$(await_window frmSplash) || fail "the credits window did not appear"
  entry=$(await_window frmMain) || fail "the entry window is not visible beneath the credits window"
  states=$(xprop -id "$splash" _NET_WM_STATE)
  for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
    [[ $states == *$state* ]] || fail "the credits window lacks $state: $states"
  done
  check_transient_x11 frmSplash frmMain
  if [ "$desktop" = openbox ]; then
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ,)
    stacking=" $(printf '%s ' $stacking)"
    above=${stacking#* $(printf '0x%x' "$entry") }
    [[ " $above" == *" $(printf '0x%x' "$splash") "* ]] || fail "the credits window is not above the entry window"
  fi
  echo "credits window over the entry window and transient for it, out of the task bar and pager"
}
# X11 only: the first window belongs to the second (WM_TRANSIENT_FOR), so no task bar lists it apart.
check_transient_x11() {
  [ "$platform" = x11 ] || return 0
  local window owner
  window=$(await_window "$1") || fail "$1 is not shown"
  owner=$(await_window "$2") || fail "$2 is not shown"
  xprop -id "$window" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$owner")" ||
    fail "$1 is not transient for $2: $(xprop -id "$window" WM_TRANSIENT_FOR)"
}
check_centred_x11() {
  [ "$platform" = x11 ] || return 0
  local window
  window=$(await_window "$1") || fail "$1 is not shown"
  await_centred "$window" || fail "$1 is not centred"
}

# One run of the program on the desktop started, from its start to its end.
use_program() {
  local copied lines line
  # A desktop's clipboard manager, which Qt hands the clipboard to when the program leaves.
  if [ "$platform" = x11 ]; then
    /usr/bin/python3 "$here/support/clipboard_manager.py" "$desktop_work/kept" 120 >"$desktop_work/manager.out" &
    await 10 grep -q ready "$desktop_work/manager.out" || fail "the clipboard manager did not start"
  fi
  await_still desktop
  if [ "$platform" = wayland ]; then
    QT_QPA_PLATFORM=wayland "$program" 2>"$desktop_work/program.log" &
  else
    QT_QPA_PLATFORM=xcb "$program" 2>"$desktop_work/program.log" &
  fi
  pid=$!

  # The start-up credits window takes the keyboard; a key dismisses it, and the focus is in Amount.
  await_change desktop start 15
  check_credits_window_x11
  focus_on_bare_x frmSplash
  keys space
  await_change start dismissed
  focus_on_bare_x frmMain
  xdotool type --delay 30 1000000
  await_copied 1000000 || fail "the start-up credits window did not go on a key, or Amount did not take the keys"
  check_centred_x11 frmMain
  echo "start-up credits window dismissed by a key; Amount takes the keys"

  # "Credits" (Shift+Tab from Amount) again; a click on the entry window beneath leaves the keyboard to it.
  await_still entry
  keys shift+Tab space
  await_change entry credits
  check_credits_window_x11
  focus_on_bare_x frmSplash
  click_window_beneath entry credits || fail "no part of the entry window beside the credits window"
  # Then "Credits" has the focus again, once the entry window has the keyboard; Tab passes Amount to Rate.
  await_still clicked
  keys space
  await_change clicked dismissed
  focus_on_bare_x frmMain
  keys Tab Tab
  xdotool type --delay 30 6
  await_copied 6 || fail "after a click on the entry window the next key did not dismiss the credits window"
  echo "a click on the entry window left the credits window in charge: a key dismissed it"

  keys Tab
  xdotool type --delay 30 30
  await_copied 30 || fail "Terms did not take the keys"
  keys Return
  focus_on_bare_x frmOutput
  await_copied $'\t\t\t$1,000,000.00' || fail "Enter in Terms did not bring up the result window with the schedule focused"
  check_centred_x11 frmOutput
  echo "result window with the schedule shown"

  # The grid has the focus; Tab moves to "< Back". The focus is back in Terms; Tab moves to "Next >".
  keys Tab Return
  focus_on_bare_x frmMain
  await_copied 30 || fail "Enter on the focused < Back did not bring back the entry window with its entries"
  keys Tab KP_Enter
  focus_on_bare_x frmOutput
  await_copied $'\t\t\t$1,000,000.00' || fail "keypad Enter on the focused Next > did not bring up the result window"
  echo "Enter pressed the focused < Back and Next >"

  # Tab passes "< Back" to "Exit". A click on the result window beneath the question leaves the
  # keyboard to the question: Enter answers Yes.
  await_still result
  keys Tab Tab space
  await_change result question
  check_transient_x11 other frmOutput
  focus_on_bare_x other
  click_window_beneath result question || fail "no part of the result window beside the exit question"
  await_still clicked
  keys Return
  ended_with_status_0 || fail "$why after a click on the result window beneath the exit question"
  echo "a click on the result window left the exit question in charge; Enter ended the program with status 0"

  # Ctrl+A selected the ordinary cells: Payment, Interest, Principle and Balance of months 0 to 360.
  # 1,000,000 at 6 % a year over 360 months: the payment 5,995.51; in month 1 interest 5000.00, so the
  # principal is 995.51 and the balance 999,004.50 (as tests/golden/generate.py works them out).
  copied=$(clipboard) || fail "nothing on the clipboard once the program had gone"
  mapfile -t lines <<<"$copied"
  [ "${#lines[@]}" -eq 361 ] || fail "${#lines[@]} lines on the clipboard once the program had gone, expected 361"
  [ "${lines[0]}" = $'\t\t\t$1,000,000.00' ] || fail "month 0 reads '${lines[0]}'"
  [[ "${lines[1]}" =~ ^'$5,995.51'$'\t''% '[0-9.]+$'\t''$995.51'$'\t''$999,004.50'$ ]] || fail "month 1 reads '${lines[1]}'"
  for line in "${lines[@]:1}"; do
    [[ "$line" =~ ^'$5,995.51'$'\t' ]] || fail "a month reads '$line'"
  done
  echo "the schedule is still on the clipboard once the program has gone"
}

for desktop in "${desktops[@]}"; do
  echo "== $platform, $desktop"
  start_display
  case $desktop in
  openbox) start_window_manager ;;
  mutter) start_compositor ;;
  esac
  use_program
  end_desktop
done
