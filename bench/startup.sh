#!/usr/bin/env bash
# Start-up time and peak memory of Vantrax Editor with a stored valid location (process start to
# the launcher mapped on screen), beside a bare Qt Widgets program that shows one 800 x 533
# window, measured the same way in the same run on one virtual X display. The bare program is
# also measured showing one line of text, which shows what loading the fonts alone costs.
#
#   bench/startup.sh [runs]        (after scripts/build.sh build -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
editor="$top/build/src/vantrax-editor"
bare="$top/build/bench/bare-window"
[ -x "$editor" ] && [ -x "$bare" ] || { echo "build first: scripts/build.sh build -DCMAKE_BUILD_TYPE=Release" >&2; exit 1; }

if [ -z "${BENCH_DISPLAY_READY:-}" ]; then
  BENCH_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$top/examples/Orvanthe" "$work/Orvanthe"
mkdir -p "$work/config/vantrax-editor"
printf '%s\r\n' "$work/Orvanthe" > "$work/config/vantrax-editor/dir.ini"
printf 'Vantrax\r\n' > "$work/config/vantrax-editor/dirMod.ini"
export XDG_CONFIG_HOME="$work/config"

# measure <window title> <command...>: prints milliseconds to the window being mapped, and the
# peak resident memory in KiB once it is.
measure() {
  local title=$1 start end pid
  shift
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 & pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing its window" >&2; exit 1; }
  done
  end=$(date +%s%N)
  sleep 0.3
  local peak
  peak=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $peak"
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

: > "$work/editor"; : > "$work/bare"; : > "$work/text"
measure "Bare Window" "$bare" >/dev/null   # warm the caches for all alike
for _ in $(seq "$runs"); do
  measure "Orvanthe Editor" "$editor" >> "$work/editor"
  measure "Bare Window" "$bare" >> "$work/bare"
  measure "Bare Window" "$bare" --with-text >> "$work/text"
done

column() { cut -d' ' -f"$1" "$work/$2" | median; }
editor_ms=$(column 1 editor); bare_ms=$(column 1 bare); text_ms=$(column 1 text)
editor_kib=$(column 2 editor); bare_kib=$(column 2 bare); text_kib=$(column 2 text)
echo "median of $runs runs            time to window   peak memory"
printf 'Vantrax Editor                 %6s ms      %8s KiB\n' "$editor_ms" "$editor_kib"
printf 'bare Qt window                 %6s ms      %8s KiB\n' "$bare_ms" "$bare_kib"
printf 'bare Qt window, one text line  %6s ms      %8s KiB\n' "$text_ms" "$text_kib"
awk -v a="$editor_ms" -v b="$bare_ms" -v c="$editor_kib" -v d="$bare_kib" \
  'BEGIN { printf "editor / bare                  %6.2fx          %6.2fx\n", a / b, c / d }'
awk -v a="$editor_ms" -v b="$text_ms" -v c="$editor_kib" -v d="$text_kib" \
  'BEGIN { printf "editor / bare with text        %6.2fx          %6.2fx\n", a / b, c / d }'
