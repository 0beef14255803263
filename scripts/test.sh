#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Vantrax Editor and runs every test: once in a plain
# build, once built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/scripts/setup.sh"

"$top/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir "$top/build" --output-on-failure

"$top/scripts/build.sh" build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVANTRAX_SANITIZE=ON
ctest --test-dir "$top/build-sanitize" --output-on-failure
