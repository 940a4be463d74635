#!/usr/bin/env bash
# Runs the real program as a screen reader meets it, through the AT-SPI accessibility bus, on a
# virtual display and a session bus of its own, in a private home; the session bus starts the
# AT-SPI bus and registry on demand. The flow is one of:
#   accessibility   accessibility_end_to_end.py finds every control by its accessible name and reads it
#   screen_reader   screen_reader_end_to_end.py runs the Orca screen reader under openbox and checks
#                   what it says
# Exits 77, which ctest counts as skipped, where a tool is missing, except under CI.
set -uo pipefail
program=${1:?usage: at_spi_end_to_end_test.sh path/to/orvanta accessibility|screen_reader}
flow=${2:?}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/desktop.bash"

need Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher python3:pyatspi
case $flow in
accessibility) desktop_time_limit 60 ;;
screen_reader) need openbox xprop xdotool orca speech-dispatcher; desktop_time_limit 120 ;;
*) echo "unknown flow $flow" >&2; exit 2 ;;
esac

private_home
start_display
start_session_bus
[ "$flow" = screen_reader ] && start_window_manager
# Debian's python3, which has pyatspi and which Orca runs on.
/usr/bin/python3 "$here/${flow}_end_to_end.py" "$program" &
wait $!
