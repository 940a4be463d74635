#!/usr/bin/env bash
# Runs screen_reader_end_to_end.py against the real program with Orca, on a virtual display and a
# session bus of their own, in a private home; all of it goes when the test ends, whichever way it ends.
# Exits 77, which ctest counts as skipped, where Orca or the tools are missing, except under CI.
set -uo pipefail
program=${1:?usage: screen_reader_end_to_end_test.sh path/to/orvanta}
python=/usr/bin/python3  # Debian's, which Orca runs on

missing=()
for tool in Xvfb dbus-run-session openbox xdotool orca speech-dispatcher "$python"; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "missing: ${missing[*]} (script/bootstrap installs them)"
  [ "${CI:-}" = "true" ] && exit 1
  exit 77
fi

source "$(dirname "$0")/../script/lib/virtual_display.bash"
work=$(mktemp -d)
mkdir -m 700 "$work/home" "$work/runtime"
xvfb=
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
start_virtual_display "$work" || exit 1

# Orca, speech-dispatcher and the AT-SPI daemons read and write only the private home; the bus takes
# them with it when the test ends, and on a hang timeout ends them all.
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_CONFIG_DIRS \
  DISPLAY="$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" SCREEN_READER_WORK="$work" \
  timeout -k 2 55 dbus-run-session -- "$python" "$(dirname "$0")/screen_reader_end_to_end.py" "$program"
