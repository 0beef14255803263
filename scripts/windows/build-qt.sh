#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once, into a cache folder
# outside the repo, and prints that folder. The folder's name holds the Qt version and a
# checksum of this script and the toolchain file, so a change to either builds afresh; an
# existing complete build is reused at once.
#
# Only what Vantrax Editor links is built: Core, Gui, Widgets and Test, shared, release, with
# Qt's bundled zlib, libpng, FreeType, HarfBuzz and PCRE2. The host's Qt (the same 6.4.2) runs
# moc, rcc and uic.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
toolchain="$top/cmake/mingw-w64-x86_64.cmake"

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
key=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${VANTRAX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantrax}
prefix="$cache/qt6-mingw-$qt_version-$key"

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
log="$work/build.log"
echo "Building Qt $qt_version for Windows into $prefix (once; about 20 minutes on 2 cores)..." >&2

# The source comes through a private apt configuration: the machine's own archives, as source
# archives, so that its source lists stay as they are.
apt_dir="$work/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d" "$work/source"
if [ -f /etc/apt/sources.list ]; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt_dir/sources.list"
else
  : >"$apt_dir/sources.list"
fi
for list in /etc/apt/sources.list.d/*.sources; do
  [ -f "$list" ] && sed 's/^Types:.*/Types: deb-src/' "$list" >"$apt_dir/sources.list.d/$(basename "$list")"
done
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
             -o APT::Sandbox::User=root)
if ! { apt-get "${apt_options[@]}" -qq update &&
       (cd "$work/source" && apt-get "${apt_options[@]}" -qq source --download-only \
          "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)") &&
       dpkg-source -x "$work"/source/qt6-base_*.dsc "$work/qtbase"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "Getting the source of Qt failed." >&2
  exit 1
fi

rm -rf "$prefix"
mkdir -p "$work/build"
cd "$work/build"
# Tablet events need the Wintab headers, which Debian's source leaves out. Without Direct2D the
# Windows plugin of 6.4.2 fails to link its DirectWrite 3 font database.
if ! "$work/qtbase/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
    -release -shared -nomake examples -nomake tests -nomake benchmarks \
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent \
    -no-feature-printsupport -no-feature-dbus -no-icu -no-opengl -no-feature-vulkan \
    -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite3 \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -no-zstd \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
       -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$log" 2>&1 \
  || ! cmake --build . --parallel >>"$log" 2>&1 \
  || ! cmake --install . >>"$log" 2>&1; then
  tail -40 "$log" >&2
  echo "Building Qt for Windows failed; the whole log was $log." >&2
  trap - EXIT
  exit 1
fi
touch "$prefix/.complete"
echo "$prefix"
