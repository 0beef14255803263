#!/usr/bin/env bash
# The tweak editor with 1 to 40 MB files, every figure beside its floor in the same run (see
# bench/large_text.cpp), on Qt's offscreen platform.
#   bench/large_text.sh [megabytes]   (after scripts/build.sh build -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
QT_QPA_PLATFORM=offscreen exec "$top/build/bench/large-text" "$@" 2> >(grep -v "This plugin does not support" >&2)
