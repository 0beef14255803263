#!/usr/bin/env bash
# The installed program as a screen reader and a keyboard-only user meet it, under Xvfb with its
# own session and accessibility bus; the checks are in accessibility.py.
#   accessibility.sh <build folder> <source folder>
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
if [ -z "${A11Y_BUS_READY:-}" ]; then
  A11Y_BUS_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
trap 'kill "$bus" 2>/dev/null || true; rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
# The forum's requests go to a closed local port.
export QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=http://127.0.0.1:9
/usr/bin/python3 "$source/tests/e2e/accessibility.py" "$work/prefix/bin/vantrax-editor" "$source/examples/Orvanthe" "$work"
