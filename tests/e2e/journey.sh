#!/usr/bin/env bash
# A first session with the installed program under Xvfb, by real mouse and key events: Select, save a
# bot count (compared byte for byte), open the forum (its browser module loads only then, never as root).
#   journey.sh <build folder> <source folder>
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
if [ -z "${JOURNEY_DISPLAY_READY:-}" ]; then
  JOURNEY_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
pid=
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cp -r "$source/examples/Orvanthe" "$work/Orvanthe"
stock="$source/resources/stock"
export XDG_CONFIG_HOME="$work/config"
# The forum's requests go to a closed local port.
export QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=http://127.0.0.1:9

fail() { echo "journey: $*" >&2; exit 1; }

source "$source/tests/e2e/desktop_steps.sh"

cd "$work/Orvanthe"
"$work/prefix/bin/vantrax-editor" >"$work/program.log" 2>&1 & pid=$!

# The selection window starts in the working folder: Select (3840, 540 twips; 100 x 27 px).
selection=$(window " Select Vantrax Folder")
click "$selection" 306 49
launcher=$(window "Orvanthe Editor")
sleep 0.5
import -window "$launcher" "$build/tests/journey-launcher.png"

save_bot_count "$launcher" 40

{ cat "$stock/AIDefault-head.ai"; printf 'aiSettings.setMaxNBots 40\r'; cat "$stock/AIDefault-tail.ai"; printf '\r\n'; } \
  >"$work/AIDefault.ai"
same "$work/AIDefault.ai" "$work/Orvanthe/mods/vantrax/AI/AIDefault.ai"
printf '40\r\n' >"$work/MaxBots.ini"
same "$work/MaxBots.ini" "$work/config/vantrax-editor/MaxBots.ini"

# "Forum" is the seventh entry.
! grep -q vantrax-browser.so "/proc/$pid/maps" || fail "the browser module was loaded before the forum was opened"
click "$launcher" 60 $((16 + 48 * 6 + 15))
window "Editor Info" >/dev/null
if [ "$(id -u)" -eq 0 ]; then
  ! grep -q vantrax-browser.so "/proc/$pid/maps" || fail "the browser module was loaded as root"
else
  grep -q "/vantrax-editor/modules/vantrax-browser.so" "/proc/$pid/maps" || fail "the installed browser module was not loaded"
fi

echo "journey done: bot count 40 saved, forum opened"
