#!/usr/bin/env bash
# Start-up of Vantrax Editor and of vantrax, each beside its yardsticks in the same run, runs
# interleaved, medians (the machine is noisy, so the ratios are what counts):
#  - the time from process start to the first drawing into the window, from the X server's
#    Damage events (bench/paint_watch.cpp), and the peak memory just after, for a bare Qt window
#    of the launcher's size, the same window with the launcher's picture (as a PNG) and one 24 pt
#    label, and Vantrax Editor up to its launcher with a stored valid location;
#  - the time of "vantrax max-bots 32" beside a bare QCoreApplication with a QCommandLineParser.
#
#   bench/startup.sh [runs]        (after scripts/build.sh build -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-21}
bin="$top/build"
for program in src/vantrax-editor cli/vantrax bench/bare-window bench/bare-cli bench/paint-watch; do
  [ -x "$bin/$program" ] || { echo "build first: scripts/build.sh build -DCMAKE_BUILD_TYPE=Release" >&2; exit 1; }
done

if [ -z "${BENCH_DISPLAY_READY:-}" ]; then
  BENCH_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$top/examples/Orvanthe" "$work/Orvanthe"
mkdir -p "$work/config/vantrax-editor"
printf '%s\r\n' "$work/Orvanthe" > "$work/config/vantrax-editor/dir.ini"
printf 'Vantrax\r\n' > "$work/config/vantrax-editor/dirMod.ini"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
cd "$work"

watch() { "$bin/bench/paint-watch" "$@"; }
# elapsed <command...>: milliseconds the command took.
elapsed() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.2f\n", ns / 1e6 }'
}
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

for name in bare picture editor vantrax cli; do : > "$work/$name"; done
watch "Bare Window" "$bin/bench/bare-window" >/dev/null   # warm the caches for all alike
"$bin/cli/vantrax" max-bots 32
for _ in $(seq "$runs"); do
  watch "Bare Window" "$bin/bench/bare-window" >> "$work/bare"
  watch "Bare Window" "$bin/bench/bare-window" --with-picture "$top/bench/baseline-background.png" >> "$work/picture"
  watch "Orvanthe Editor" "$bin/src/vantrax-editor" >> "$work/editor"
  elapsed "$bin/cli/vantrax" max-bots 32 >> "$work/vantrax"
  elapsed "$bin/bench/bare-cli" max-bots 32 >> "$work/cli"
done

field() { cut -d' ' -f"$1" "$work/$2" | median; }
printf 'median of %s runs                    first paint     peak memory\n' "$runs"
for name in bare picture editor; do
  case $name in
    bare) label='bare Qt window' ;;
    picture) label='bare window + picture + label' ;;
    editor) label='Vantrax Editor, launcher' ;;
  esac
  printf '%-36s %8s ms   %8s KiB\n' "$label" "$(field 1 $name)" "$(field 2 $name)"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
printf '%-36s %11s   %12s\n' "editor / bare window" "$(ratio "$(field 1 editor)" "$(field 1 bare)")" \
  "$(ratio "$(field 2 editor)" "$(field 2 bare)")"
printf '%-36s %11s   %12s\n' "editor / picture + label window" "$(ratio "$(field 1 editor)" "$(field 1 picture)")" \
  "$(ratio "$(field 2 editor)" "$(field 2 picture)")"
printf '\n%-36s %8s ms\n%-36s %8s ms\n%-36s %11s\n' \
  "vantrax max-bots 32" "$(field 1 vantrax)" "bare QCoreApplication + parser" "$(field 1 cli)" \
  "vantrax / bare" "$(ratio "$(field 1 vantrax)" "$(field 1 cli)")"
