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

# save_bot_count <launcher> <count>: opens "Change Max Bots" (the launcher's third entry; its entries
# lie 48 px apart from 16, 16), moves the slider to the count by keys and presses Save. Below the
# menu bar the window's client area is 143 px high: the slider at its top, Save at 177, 110.
save_bot_count() {
  click "$1" 60 $((16 + 48 * 2 + 15))
  local maxbots
  maxbots=$(window "Orvanthe Bot Changer")
  eval "$(xdotool getwindowgeometry --shell "$maxbots")"
  local client=$((HEIGHT - 143))
  click "$maxbots" 10 $((client + 20))
  xdotool key Home
  xdotool key --delay 20 --repeat "$2" Right
  click "$maxbots" 257 $((client + 122))
}
