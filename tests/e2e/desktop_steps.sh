# The steps of a journey on a virtual display, by real mouse events, sourced by the journeys after
# they define fail <message>.

# window <caption>: the id of the visible window with that caption, once it is there.
window() {
  local id
  id=$(timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
  [ -n "$id" ] || fail "no window \"$1\" appeared"
  echo "$id"
}

# click <window> <x> <y>: a left click at a point of the window, in pixels.
click() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
  sleep 0.5
}

# same <expected> <file>: the file holds the expected bytes, once the program has written them.
same() {
  for _ in $(seq 50); do cmp -s "$1" "$2" && return 0; sleep 0.1; done
  cmp "$1" "$2" || { od -c "$2" | tail -4 >&2; fail "$2 differs from the expected bytes"; }
}
