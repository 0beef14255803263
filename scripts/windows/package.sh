#!/usr/bin/env bash
# Builds Vantrax Editor for 64-bit Windows and makes its installer and its portable zip:
#   scripts/windows/package.sh [build folder, default build-windows]
# They are written to <build folder>/packages/:
#   VantraxEditor-<version>-setup.exe          installs into Program Files ("/S": silently)
#   VantraxEditor-<version>-windows-x64.zip    the same programs, to run from any folder
# Qt for Windows is built once, when it is missing (scripts/windows/build-qt.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
folder=${1:-build-windows}
build="$top/$folder"

qt=$("$top/scripts/windows/build-qt.sh")
"$top/scripts/build.sh" "$folder" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
packages="$build/packages"
rm -rf "$packages"
stage="$packages/Vantrax Editor"
cmake --install "$build" --prefix "$stage" --strip >/dev/null
# The DLLs come with their symbols, which a player's machine has no use for.
find "$stage" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The uninstaller removes exactly the files installed, then their folders, deepest first.
installed="$packages/installed-files.nsh"
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) >"$installed"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DINSTALLED_FILES="$installed" \
  -DICON="$top/packaging/windows/vantrax-editor.ico" \
  -DOUTFILE="$packages/VantraxEditor-$version-setup.exe" "$top/packaging/windows/installer.nsi" >/dev/null

# The portable copy keeps its stored values beside the programs, as long as its marker is there.
printf '%s\r\n' "While this file is here, Vantrax Editor keeps the stored game location, the editors'" \
  "last values and the earlier versions of the game files in this folder. Without it, they" \
  "are kept in %APPDATA%\\Vantrax Editor." >"$stage/portable.txt"
(cd "$packages" && zip -qrX "VantraxEditor-$version-windows-x64.zip" "Vantrax Editor")
rm -rf "$stage" "$installed"
ls "$packages"/VantraxEditor-*
