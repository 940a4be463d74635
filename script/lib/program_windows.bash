# Finds the windows of a running Orvanta on an X display with xdotool and xprop. Sourced, not run;
# the caller sets pid to the program's process id. A window is known by its X window role, which
# is its class name: frmMain, frmOutput or frmSplash; a message box has none.

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
await_end() {
  local deadline=$((SECONDS + 10))
  while [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
  ! kill -0 "$pid" 2>/dev/null
}

# Waits for the program to end and checks that it ended with status 0; otherwise sets why and fails.
ended_with_status_0() {
  await_end || { why="the program did not end on Yes"; return 1; }
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { why="the program ended with status $status"; return 1; }
}
