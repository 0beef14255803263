#!/usr/bin/env bash
# The Windows programs as a player meets them, under Wine on a virtual display with real key and
# mouse events: the installer runs silently in a new Wine prefix, the installed program selects the
# demo game (a Z:\ folder), saves a bot count and a score, and a tweak file opens through its
# association. The written files are compared byte for byte with what the Linux program writes for
# the same values. Then the portable zip keeps its values beside its programs, and the uninstaller
# leaves the user's values alone. Leaves pictures of the launcher and the score editor in the build.
#   windows_journey.sh <Windows build folder> <source folder> [Linux vantrax]
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
linux_vantrax=${3:-$source/build/cli/vantrax}
if [ -z "${JOURNEY_DISPLAY_READY:-}" ]; then
  JOURNEY_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

fail() { echo "windows journey: $*" >&2; exit 1; }
setup=$(ls "$build"/packages/VantraxEditor-*-setup.exe 2>/dev/null | head -1)
zip=$(ls "$build"/packages/VantraxEditor-*-windows-x64.zip 2>/dev/null | head -1)
[ -n "$setup" ] && [ -n "$zip" ] || fail "no installer or zip in $build/packages: run scripts/windows/package.sh"
[ -x "$linux_vantrax" ] || fail "the Linux program $linux_vantrax is not built"

work=$(mktemp -d)
pid=
trap 'kill "$pid" 2>/dev/null || true; WINEPREFIX="$work/wine" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX="$work/wine" WINEDEBUG=-all LC_ALL=C.UTF-8
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine64
"$wine" wineboot --init >/dev/null 2>&1
# Windows paths of this machine's folders: its root is drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

source "$source/tests/e2e/desktop_steps.sh"
# wait_for <file>: the program writes it in its own time.
wait_for() {
  for _ in $(seq 100); do [ -f "$1" ] && return 0; sleep 0.1; done
  fail "$1 was not written"
}

# Installed silently, for all users, with its Start menu entry.
"$wine" "$(windows_path "$setup")" /S
installed="$WINEPREFIX/drive_c/Program Files/Vantrax Editor"
[ -f "$installed/vantrax-editor.exe" ] && [ -f "$installed/vantrax.exe" ] || fail "the installer did not install both programs"
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrax Editor.lnk" ] ||
  fail "the installer made no Start menu entry"
appdata=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming | head -1)
stored="$appdata/Vantrax Editor"

cp -r "$source/examples/Orvanthe" "$work/Orvanthe"
expected="$work/expected"
mkdir -p "$expected"
cd "$work/Orvanthe"
"$wine" "C:\\Program Files\\Vantrax Editor\\vantrax-editor.exe" >"$work/program.log" 2>&1 & pid=$!

# The selection window starts in the working folder, the demo game. Wine draws its frame (3 px
# wide, with a 16 px caption) around it: Select's middle is at 306, 49 in the client area.
selection=$(window " Select Vantrax Folder")
click "$selection" $((3 + 306)) $((19 + 49))
launcher=$(window "Orvanthe Editor")
wait_for "$stored/dir.ini"
printf '%s\r\n' "$(windows_path "$work/Orvanthe" | tr '\\' /)" >"$expected/dir.ini"
same "$expected/dir.ini" "$stored/dir.ini"
for _ in $(seq 50); do
  [ -z "$(xdotool search --onlyvisible --name "^ Select Vantrax Folder\$" 2>/dev/null)" ] && break
  sleep 0.2
done
sleep 0.5
import -window "$launcher" "$build/tests/windows-launcher.png"

# The windows the launcher opens have no frame under Wine.
save_bot_count "$launcher" 40
XDG_CONFIG_HOME="$work/linux" "$linux_vantrax" max-bots 40 --game "$work/Orvanthe" --mod Vantrax --stdout \
  >"$expected/AIDefault.ai"
same "$expected/AIDefault.ai" "$work/Orvanthe/mods/vantrax/AI/AIDefault.ai"
printf '40\r\n' >"$expected/MaxBots.ini"
same "$expected/MaxBots.ini" "$stored/MaxBots.ini"

# "Score Editor" is the launcher's fifth entry.
click "$launcher" 60 $((16 + 48 * 4 + 15))
scores=$(window "Score Editor")
# Kill's field, at 94, 21, gets 7; Save is seven fields on.
click "$scores" 94 21
xdotool key ctrl+a 7
sleep 0.5
import -window "$scores" "$build/tests/windows-score-editor.png"
xdotool key --delay 50 --repeat 7 Tab
xdotool key space
XDG_CONFIG_HOME="$work/linux" "$linux_vantrax" scores kill=7 --game "$work/Orvanthe" --mod Vantrax --stdout \
  >"$expected/scoringCommon.py"
same "$expected/scoringCommon.py" "$work/Orvanthe/mods/vantrax/python/game/scoringCommon.py"

# A tweak file opened as Explorer opens it, through its association, and saved unchanged: its
# bytes come back with the one CR LF more that every save adds.
printf 'rem every byte \x80\x81\xe9\xff\r\nObjectTemplate.create Kit Medic\r\n' >"$work/Medic.tweak"
"$wine" taskkill /f /im vantrax-editor.exe >/dev/null 2>&1
wait "$pid" 2>/dev/null || true
"$wine" start /unix "$work/Medic.tweak"
tweak=$(window "Tweak Editor")
eval "$(xdotool getwindowgeometry --shell "$tweak")"
{ cat "$work/Medic.tweak"; printf '\r\n'; } >"$expected/Medic.tweak"
# Wine may take a moment to give the new window the keyboard: Ctrl+S again until it has saved (a
# second save of the same text writes the same bytes).
for _ in 1 2 3 4 5; do
  xdotool windowfocus "$tweak" 2>/dev/null || true
  click "$tweak" $((WIDTH / 2)) $((HEIGHT / 2))
  xdotool key ctrl+s
  sleep 1
  cmp -s "$expected/Medic.tweak" "$work/Medic.tweak" && break
done
same "$expected/Medic.tweak" "$work/Medic.tweak"
"$wine" taskkill /f /im vantrax-editor.exe >/dev/null 2>&1

# The portable copy stores beside its programs, and nothing in the user's application data.
unzip -q "$zip" -d "$work/portable"
portable="$work/portable/Vantrax Editor"
rm -rf "$stored"
"$wine" "$(windows_path "$portable/vantrax.exe")" location set "$(windows_path "$work/Orvanthe")" --mod Vantrax
"$wine" "$(windows_path "$portable/vantrax.exe")" max-bots 12
printf '12\r\n' >"$expected/MaxBots.ini"
same "$expected/MaxBots.ini" "$portable/MaxBots.ini"
[ ! -e "$stored" ] || fail "the portable copy wrote into $stored"

# The uninstaller removes the programs and leaves the user's stored values.
mkdir -p "$stored" && printf '40\r\n' >"$stored/MaxBots.ini"
"$wine" "C:\\Program Files\\Vantrax Editor\\uninstall.exe" /S
for _ in $(seq 100); do [ ! -e "$installed" ] && break; sleep 0.2; done
[ ! -e "$installed" ] || fail "the uninstaller left $installed"
[ -f "$stored/MaxBots.ini" ] || fail "the uninstaller removed the user's stored values"
echo "windows journey done: installed, bot count 40, kill 7 and a tweak file saved as on Linux, portable, uninstalled"
