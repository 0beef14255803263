#!/usr/bin/env bash
# The real program on a virtual X display: with a stored valid location it maps the launcher,
# with an empty program folder the selection window.
set -euo pipefail
program=$1
fixtures=$(cd "$(dirname "$0")/../fixtures" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the program with $work/config as the configuration folder and waits for a window
# whose title matches the pattern.
expect_window() {
  local pattern=$1
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    XDG_CONFIG_HOME="$1/config" "$2" & pid=$!
    found=$(timeout 30 xdotool search --sync --onlyvisible --name "$3" getwindowname 2>/dev/null || true)
    kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
    echo "$found"' _ "$work" "$program" "$pattern"
}

cp -r "$fixtures/game" "$work/Orvanthe"
cd "$work/Orvanthe"

title=$(expect_window '^ Select Vantrax Folder$')
[ "$title" = " Select Vantrax Folder" ] || { echo "first run: expected the selection window, saw '$title'"; exit 1; }

mkdir -p "$work/config/vantrax-editor"
printf '%s\r\n' "$work/Orvanthe" > "$work/config/vantrax-editor/dir.ini"
printf 'Vantrax\r\n' > "$work/config/vantrax-editor/dirMod.ini"
cd "$work"
title=$(expect_window '^Orvanthe Editor$')
[ "$title" = "Orvanthe Editor" ] || { echo "stored location: expected the launcher, saw '$title'"; exit 1; }
echo "both windows mapped"
