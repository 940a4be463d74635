#!/usr/bin/env bash
# Uses the real program as a person would, on a virtual X display: dismisses the credits window,
# types the worked example (100000, 6, 30), presses Enter, finds the result window, presses Exit,
# answers Yes and expects the program to end with status 0.
# Exits 77, which ctest counts as skipped, where xvfb-run or xdotool is missing.
set -uo pipefail
program=${1:?usage: end_to_end_test.sh path/to/orvanta}

if [ -z "${ORVANTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (script/bootstrap installs it)"; exit 77; }
  done
  ORVANTA_ON_VIRTUAL_DISPLAY=1 exec timeout 55 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program"
fi

# Client sizes of the windows, in pixels.
readonly credits=472x265 entry=502x275 result=546x339

fail() {
  echo "FAILED: $*" >&2
  kill "$pid" 2>/dev/null
  exit 1
}

size_of() { xdotool getwindowgeometry "$1" | sed -n 's/ *Geometry: //p'; }

# The program's visible windows titled "Orvanta", one id per line.
shown() { xdotool search --onlyvisible --pid "$pid" --name '^Orvanta$' 2>/dev/null; }

# Prints the id of the program's visible window of the given size (or, with "other", of any
# size but these), waiting at most 10 seconds for it.
await() {
  local deadline=$((SECONDS + 10)) id
  while [ $SECONDS -lt $deadline ]; do
    for id in $(shown); do
      case "$1" in
        other) [[ " $2 " != *" $(size_of "$id") "* ]] && { echo "$id"; return 0; } ;;
        *) [ "$(size_of "$id")" = "$1" ] && { echo "$id"; return 0; } ;;
      esac
    done
    sleep 0.1
  done
  return 1
}

gone() {
  local deadline=$((SECONDS + 10))
  while [ $SECONDS -lt $deadline ]; do
    [ -z "$(for id in $(shown); do [ "$(size_of "$id")" = "$1" ] && echo "$id"; done)" ] && return 0
    sleep 0.1
  done
  return 1
}

"$program" &
pid=$!

timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Orvanta$' >/dev/null ||
  fail "no window titled Orvanta appeared"
splash=$(await $credits) || fail "the credits window did not appear"
await $entry >/dev/null || fail "the entry window is not visible beneath the credits window"
echo "credits window over the entry window"

xdotool windowfocus --sync "$splash" key space
gone $credits || fail "a key did not dismiss the credits window"
main=$(await $entry) || fail "the entry window went away with the credits window"
echo "credits window dismissed"

xdotool windowfocus --sync "$main"
xdotool type --delay 20 100000
xdotool key Tab
xdotool type --delay 20 6
xdotool key Tab
xdotool type --delay 20 30
xdotool key Return
output=$(await $result) || fail "Enter in Terms did not bring up the result window"
gone $entry || fail "the entry window stayed visible beside the result window"
echo "result window with the schedule shown"

# "Exit" is 5280 twips from the left, 4560 from the top, 1215 by 375 twips in size.
xdotool mousemove --sync --window "$output" 392 316 click 1
question=$(await other "$result") || fail "Exit did not ask whether to leave"
echo "exit question asked"
xdotool windowfocus --sync "$question" key Return

for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end on Yes"
wait "$pid"
status=$?
[ $status -eq 0 ] || fail "the program ended with status $status"
echo "ended with status 0"
