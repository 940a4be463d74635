#!/usr/bin/env bash
# A schedule copied in the real program is still on the clipboard after "Exit" -> Yes, as a
# desktop's clipboard manager keeps it: the program hands the clipboard over (X11 SAVE_TARGETS)
# before it goes. Copies the worked example's schedule (grid focused, Ctrl+A, Ctrl+C), leaves by
# Exit -> Yes, expects status 0, and reads the schedule back with xclip from the test's manager.
# Debian's python3 runs the manager, since python3-xlib is a Debian package. Exits 77, which ctest
# counts as skipped, where a tool is missing, except under CI=true.
set -uo pipefail
program=${1:?usage: clipboard_at_exit_test.sh path/to/orvanta}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${ORVANTA_ON_VIRTUAL_DISPLAY:-}" ]; then
  missing=
  for tool in xvfb-run xdotool xprop xclip /usr/bin/python3; do command -v "$tool" >/dev/null || missing=$tool; done
  /usr/bin/python3 -c 'import Xlib' 2>/dev/null || missing=python3-xlib
  if [ -n "$missing" ]; then
    [ "${CI:-}" = true ] && { echo "FAILED: $missing is not installed (script/bootstrap installs it)"; exit 1; }
    echo "skipped: $missing is not installed (script/bootstrap installs it)"
    exit 77
  fi
  ORVANTA_ON_VIRTUAL_DISPLAY=1 exec timeout 25 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program"
fi
source "$here/../script/lib/program_windows.bash"

work=$(mktemp -d)
pid=
manager=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$manager" ] && kill "$manager" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

/usr/bin/python3 "$here/support/clipboard_manager.py" "$work/record" 20 >"$work/manager.out" &
manager=$!
for _ in $(seq 50); do grep -q ready "$work/manager.out" && break; sleep 0.1; done
grep -q ready "$work/manager.out" || fail "the clipboard manager did not start"

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
splash=$(await_window frmSplash) || fail "the credits window did not appear"
xdotool windowfocus --sync "$splash" key space
entry=$(await_window frmMain) || fail "the entry window did not appear"
xdotool windowfocus --sync "$entry"
xdotool type --delay 20 100000
xdotool key Tab
xdotool type --delay 20 6
xdotool key Tab
xdotool type --delay 20 30
xdotool key Return
result=$(await_window frmOutput) || fail "the result window did not appear"

# The grid has the focus; Tab passes "< Back" to "Exit".
xdotool windowfocus --sync "$result" key ctrl+a ctrl+c Tab Tab space
question=$(await_window other) || fail "Exit did not ask whether to leave"
xdotool windowfocus --sync "$question" key Return
ended_with_status_0 || fail "$why"
pid=

copied=$(timeout 5 xclip -selection clipboard -o) || fail "nothing on the clipboard once the program had gone"
mapfile -t lines <<<"$copied"
# Ctrl+A selects the ordinary cells: Payment, Interest, Principle and Balance of months 0 to 360.
[ "${#lines[@]}" -eq 361 ] || fail "${#lines[@]} lines on the clipboard, expected 361"
[ "${lines[0]}" = $'\t\t\t$100,000.00' ] || fail "month 0 reads '${lines[0]}'"
# 100000 at 6% a year over 360 months: the payment 599.55; in month 1 interest 500.00, so the
# principal is 99.55 and the balance 99,900.45.
[[ "${lines[1]}" =~ ^'$599.55'$'\t''% '[0-9.]+$'\t''$99.55'$'\t''$99,900.45'$ ]] ||
  fail "month 1 reads '${lines[1]}'"
for line in "${lines[@]:1}"; do
  [[ "$line" =~ ^'$599.55'$'\t' ]] || fail "a month reads '$line'"
done
echo "the schedule survived the program: ${#lines[@]} lines, status 0"
