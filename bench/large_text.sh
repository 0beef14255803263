#!/usr/bin/env bash
# Loading, saving and Find Next on 5 MB and 20 MB tweak files, beside reading alone and a plain
# case-insensitive search, on Qt's offscreen platform.
#   bench/large_text.sh        (after scripts/build.sh build -DCMAKE_BUILD_TYPE=Release)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
QT_QPA_PLATFORM=offscreen exec "$top/build/bench/large-text"
