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
# The program and the screen reader meet on the accessibility bus and its registry, which start
# in the background: both must answer before either starts.
for _ in $(seq 300); do
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    2>/dev/null | tr -d ' ') &&
    dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry /org/a11y/atspi/accessible/root \
      org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 && break
  sleep 0.1
done
cmake --install "$build" --prefix "$work/prefix" >/dev/null
# The forum's requests go to a closed local port.
export QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=http://127.0.0.1:9
/usr/bin/python3 "$source/tests/e2e/accessibility.py" "$work/prefix/bin/vantrax-editor" "$source/examples/Orvanthe" "$work"
