#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Vantrax Editor and runs every test: in a plain build, in the
# Windows build under Wine (with its installer and zip, which its journey installs), and built
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/scripts/setup.sh"

"$top/scripts/build.sh" build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir "$top/build" --output-on-failure

# Builds Qt for Windows the first time (about 20 minutes), then the programs and their packages.
"$top/scripts/windows/package.sh" build-windows
ctest --test-dir "$top/build-windows" --output-on-failure

"$top/scripts/build.sh" build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVANTRAX_SANITIZE=ON
ctest --test-dir "$top/build-sanitize" --output-on-failure
