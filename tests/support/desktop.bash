#!/usr/bin/env bash
# The desktop that the end-to-end tests, script/screenshots, script/paste-memory and the start-up
# benchmark run the real program on: a virtual X display (Xvfb), a window manager (openbox), a
# Wayland compositor (mutter nested on the display) and a session bus, each started on request,
# and the means to find the program's windows. Sourced; or run as a command:
#   tests/support/desktop.bash [--window-manager] [--compositor] -- COMMAND [ARGUMENT...]
# runs COMMAND on a desktop of its own and exits with its status.
#
# Every process started here, and every process those start, carries ORVANTA_DESKTOP (this
# desktop's private folder) in its environment. end_desktop ends every process that carries it:
# the daemons that D-Bus starts on demand and those that fork away from their parent included.
# It runs on every exit, failure, signal and time limit included.

desktop_work=$(mktemp -d) # private (0700), as XDG_RUNTIME_DIR must be
export ORVANTA_DESKTOP=$desktop_work
desktop_xvfb= desktop_bus= desktop_compositor= desktop_watchdog=

# Skips the test (status 77, which ctest counts as skipped), or fails it under CI=true, where the
# machine must have every tool.
skip() {
  [ "${CI:-}" = true ] && { echo "FAILED: $*" >&2; exit 1; }
  echo "skipped: $*"
  exit 77
}

# Skips unless every tool named is installed; python3:MODULE names a module of Debian's python3.
need() {
  local tool
  for tool; do
    if [[ $tool == python3:* ]]; then
      /usr/bin/python3 -c "import ${tool#python3:}" 2>/dev/null && continue
    else
      command -v "$tool" >/dev/null && continue
    fi
    skip "$tool is not installed (script/bootstrap installs it)"
  done
}

fail() {
  echo "FAILED: $*" >&2
  # Where to leave a picture of the screen when it fails.
  [ -n "${ORVANTA_FAILURE_SCREENSHOT:-}" ] && [ -n "$desktop_xvfb" ] && import -window root "$ORVANTA_FAILURE_SCREENSHOT"
  exit 1
}

# Waits at most the given seconds until the command succeeds.
await() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# The ids of the processes of this desktop that are still alive (a zombie has no environment).
desktop_processes() {
  local file pid
  for file in $(grep -lzx "ORVANTA_DESKTOP=$desktop_work" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${file#/proc/} pid=${pid%/environ}
    [ -d "/proc/$pid" ] || continue # grep itself, say
    # The time limit's sleep lives as long as the whole run.
    [ -n "$desktop_watchdog" ] && [ "$(cut -d' ' -f4 "/proc/$pid/stat" 2>/dev/null)" = "$desktop_watchdog" ] && continue
    echo "$pid"
  done
}

# Ends every process of this desktop: asked first, then killed after 3 seconds.
end_desktop() {
  local pids left
  pids=$(desktop_processes)
  if [ -n "$pids" ]; then
    # Under set -e as well: a process may end by itself meanwhile, and each ends by a signal.
    kill $pids 2>/dev/null || true
    await 3 eval 'left=$(desktop_processes); [ -z "$left" ]' || kill -KILL $left 2>/dev/null || true
    wait $pids 2>/dev/null || true
  fi
  desktop_xvfb= desktop_bus= desktop_compositor=
  return 0
}

desktop_exit() {
  local status=$?
  end_desktop
  # Its sleep ended, the time limit ends too.
  [ -z "$desktop_watchdog" ] || pkill -P "$desktop_watchdog" || true
  rm -rf "$desktop_work"
  exit $status
}
trap desktop_exit EXIT
trap 'fail "ended by a signal"' INT HUP
trap 'fail "ended by SIGTERM${desktop_limit:+, as after its time limit of $desktop_limit}"' TERM

# Fails the run once it has taken the given seconds, so that the processes end before ctest's
# own time limit kills the script and nothing is left to end them.
desktop_time_limit() {
  desktop_limit="$1 s"
  (sleep "$1" && kill -TERM $$) 2>/dev/null &
  desktop_watchdog=$!
}

# HOME and the XDG folders private to this run: what the AT-SPI daemons, Orca and
# speech-dispatcher read and write stays out of the user's own.
private_home() {
  export HOME=$desktop_work/home XDG_RUNTIME_DIR=$desktop_work/runtime
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
  export XDG_STATE_HOME=$HOME/.local/state
  unset XDG_CONFIG_DIRS
  mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"
}

# Xvfb on the first free display (-displayfd), so that tests starting at once never collide;
# -noreset keeps it up when its first client (the AT-SPI bus launcher, say) disconnects; -r turns
# off key repeat, which a loaded machine would otherwise set off between a key's press and release.
start_display() {
  rm -f "$desktop_work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -r 3>"$desktop_work/display" 2>"$desktop_work/xvfb.log" &
  desktop_xvfb=$!
  await 10 test -s "$desktop_work/display" || fail "Xvfb did not start: $(cat "$desktop_work/xvfb.log")"
  export DISPLAY=:$(cat "$desktop_work/display")
}

start_session_bus() {
  rm -f "$desktop_work/bus"
  dbus-daemon --session --nofork --nopidfile --address="unix:dir=$desktop_work" --print-address=3 \
    3>"$desktop_work/bus" 2>"$desktop_work/bus.log" &
  desktop_bus=$!
  await 10 test -s "$desktop_work/bus" || fail "the session bus did not start: $(cat "$desktop_work/bus.log")"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$desktop_work/bus")
  export DBUS_SESSION_BUS_ADDRESS
}

start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  await 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || fail "openbox did not start"
}

# mutter nested on the display as a Wayland compositor alone, on a session bus of this desktop.
start_compositor() {
  [ -n "$desktop_bus" ] || start_session_bus
  [[ ${XDG_RUNTIME_DIR:-} == "$desktop_work"/* ]] || export XDG_RUNTIME_DIR=$desktop_work/runtime
  export WAYLAND_DISPLAY=orvanta-desktop
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 \
    mutter --nested --wayland --no-x11 --wayland-display="$WAYLAND_DISPLAY" >"$desktop_work/mutter.log" 2>&1 &
  desktop_compositor=$!
  await 15 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "mutter did not start: $(cat "$desktop_work/mutter.log")"
  sleep 1 # its first frame
}

# The program's windows on X, found by their X window role, which is their class name: frmMain,
# frmOutput or frmSplash; a message box has none. The caller sets pid to the program's process id.

# The role of a window, or nothing.
role_of() { xprop -id "$1" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/^WM_WINDOW_ROLE(STRING) = "\(.*\)"$/\1/p'; }

# The program's visible windows titled "Orvanta", one id per line.
shown_windows() { xdotool search --onlyvisible --pid "$pid" --name '^Orvanta$' 2>/dev/null; }

# Prints the id of the program's visible window with the given role, or with "other" of one
# without a role (a message box); waits at most 10 seconds for it.
await_window() {
  local deadline=$((SECONDS + 10)) id wanted=$1
  [ "$wanted" = other ] && wanted=
  while [ $SECONDS -lt $deadline ]; do
    for id in $(shown_windows); do
      [ "$(role_of "$id")" = "$wanted" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Waits at most 10 seconds until no visible window of the program has the given role.
await_gone() {
  local deadline=$((SECONDS + 10)) id still
  while [ $SECONDS -lt $deadline ]; do
    still=
    for id in $(shown_windows); do [ "$(role_of "$id")" = "$1" ] && still=1; done
    [ -z "$still" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits at most 10 seconds for the program to end.
await_end() { await 10 eval '! kill -0 "$pid" 2>/dev/null'; }

# Waits for the program to end and checks that it ended with status 0; otherwise sets why and fails.
ended_with_status_0() {
  await_end || { why="the program did not end on Yes"; return 1; }
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { why="the program ended with status $status"; return 1; }
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  desktop=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    case $1 in
    --window-manager) need openbox xprop; desktop+=(start_window_manager) ;;
    --compositor) need mutter dbus-daemon; desktop+=(start_compositor) ;;
    *) echo "usage: $0 [--window-manager] [--compositor] -- COMMAND [ARGUMENT...]" >&2; exit 2 ;;
    esac
    shift
  done
  shift
  need Xvfb
  start_display
  for start in "${desktop[@]}"; do $start; done
  "$@" &
  wait $!
fi
