#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Vantrax Editor and starts it. The first start opens the
# folder list in a copy of the demo game installation, so pressing Select is enough to begin.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/scripts/setup.sh"
"$top/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Vantrax Editor needs a desktop, and no display was found (DISPLAY is not set)." >&2
  echo "To start it on a virtual display instead, run:  xvfb-run -a $0" >&2
  exit 1
fi

# A copy, so that trying the editors leaves the shipped demo as it is.
demo="$top/build/demo/Orvanthe"
if [ ! -d "$demo" ]; then
  mkdir -p "$(dirname "$demo")"
  cp -r "$top/examples/Orvanthe" "$demo"
fi
cd "$demo"
exec "$top/build/src/vantrax-editor"
