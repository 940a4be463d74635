# Finds the windows of a running Orvanta on an X display with xdotool. Sourced, not run; the
# caller sets pid to the program's process id.

# Client sizes of the windows, in pixels.
readonly credits_size=472x265 entry_size=502x275 result_size=546x339

size_of() { xdotool getwindowgeometry "$1" | sed -n 's/ *Geometry: //p'; }

# The program's visible windows titled "Orvanta", one id per line.
shown_windows() { xdotool search --onlyvisible --pid "$pid" --name '^Orvanta$' 2>/dev/null; }

# Prints the id of the program's visible window of the given size, or with "other SIZE..." of any
# size but those; waits at most 10 seconds for it.
await_window() {
  local deadline=$((SECONDS + 10)) id
  while [ $SECONDS -lt $deadline ]; do
    for id in $(shown_windows); do
      if [ "$1" = other ]; then
        [[ " ${*:2} " != *" $(size_of "$id") "* ]] && { echo "$id"; return 0; }
      elif [ "$(size_of "$id")" = "$1" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# Waits at most 10 seconds until no visible window of the program has the given size.
await_gone() {
  local deadline=$((SECONDS + 10)) id still
  while [ $SECONDS -lt $deadline ]; do
    still=
    for id in $(shown_windows); do [ "$(size_of "$id")" = "$1" ] && still=1; done
    [ -z "$still" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits at most 10 seconds for the program to end.
await_end() {
  local deadline=$((SECONDS + 10))
  while [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
  ! kill -0 "$pid" 2>/dev/null
}
