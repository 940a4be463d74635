#!/usr/bin/env bash
# Runs the real program with the Orca screen reader (screen_reader_end_to_end.py), which meets it
# through the AT-SPI accessibility bus, on a virtual display under openbox and a session bus of its
# own, in a private home; the session bus starts the AT-SPI bus and registry on demand.
# Exits 77, which ctest counts as skipped, where a tool is missing, except under CI.
set -uo pipefail
program=${1:?usage: screen_reader_end_to_end_test.sh path/to/orvanta}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/desktop.bash"

need Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher python3:pyatspi openbox xprop xdotool orca speech-dispatcher
desktop_time_limit 120

private_home
start_display
start_session_bus
start_window_manager
# Debian's python3, which Orca runs on.
/usr/bin/python3 "$here/screen_reader_end_to_end.py" "$program" &
wait $!
