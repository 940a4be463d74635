#!/usr/bin/env bash
# Runs accessibility_end_to_end.py against the real program on a virtual display of its own, with
# a session bus of its own on which the AT-SPI bus and registry start on demand; all of them go
# when the test ends, whichever way it ends.
# Exits 77, which ctest counts as skipped, where the tools are missing, except under CI.
set -uo pipefail
program=${1:?usage: accessibility_end_to_end_test.sh path/to/orvanta}
python=/usr/bin/python3  # Debian's, which has pyatspi

missing=()
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[ ${#missing[@]} -eq 0 ] && ! "$python" -c 'import pyatspi' 2>/dev/null && missing+=(pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "missing: ${missing[*]} (script/bootstrap installs them)"
  [ "${CI:-}" = "true" ] && exit 1
  exit 77
fi

source "$(dirname "$0")/../script/lib/virtual_display.bash"
work=$(mktemp -d)
xvfb=
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
start_virtual_display "$work" || exit 1

# The bus takes the AT-SPI daemons with it when the test ends; on a hang timeout ends them all.
DISPLAY=$display XDG_RUNTIME_DIR=$work timeout -k 2 25 \
  dbus-run-session -- "$python" "$(dirname "$0")/accessibility_end_to_end.py" "$program"
