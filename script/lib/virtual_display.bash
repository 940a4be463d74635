# Starts an Xvfb of a test's own; sourced, not run. -displayfd takes the first free display, so that
# tests starting their own at once never collide; -noreset keeps the server up when its first client
# (the AT-SPI bus launcher, say) disconnects. Sets xvfb to its process id and display to its name;
# the caller ends it.
start_virtual_display() {
  local work=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "FAILED: Xvfb did not start"; cat "$work/xvfb.log"; return 1; }
  display=:$(cat "$work/display")
}
