#!/usr/bin/env bash
# Builds the two Debian packages of the build and checks them as a server admin and a desktop user
# meet them: each package's files and dependencies (vantrax needs nothing of the desktop), a
# lintian run without errors or warnings, vantrax unpacked alone and run from there, and both
# manual pages rendered.
#   check_packages.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "packages: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
cli=$(echo "$work"/out/vantrax_*.deb)
desktop=$(echo "$work"/out/vantrax-editor_*.deb)
[ -f "$cli" ] && [ -f "$desktop" ] || fail "expected vantrax and vantrax-editor packages, got: $(ls "$work/out")"

files() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {print $6}' | sort | tr '\n' ' '; }
expected_cli="./usr/bin/vantrax ./usr/share/bash-completion/completions/vantrax ./usr/share/doc/vantrax/changelog.gz \
./usr/share/doc/vantrax/copyright ./usr/share/man/man1/vantrax.1.gz "
[ "$(files "$cli")" = "$expected_cli" ] || fail "vantrax holds $(files "$cli")"
for file in ./usr/bin/vantrax-editor ./usr/lib/vantrax-editor/modules/vantrax-browser.so \
  ./usr/share/applications/example.orvanthe.VantraxEditor.desktop \
  ./usr/share/metainfo/example.orvanthe.VantraxEditor.metainfo.xml ./usr/share/mime/packages/vantrax-editor-tweak.xml \
  ./usr/share/icons/hicolor/scalable/apps/vantrax-editor.svg ./usr/share/icons/hicolor/256x256/apps/vantrax-editor.png \
  ./usr/share/man/man1/vantrax-editor.1.gz ./usr/share/doc/vantrax-editor/copyright; do
  [[ " $(files "$desktop")" == *" $file "* ]] || fail "vantrax-editor lacks $file"
done
[[ " $(files "$desktop")" != *" ./usr/bin/vantrax "* ]] || fail "both packages hold vantrax"

depends=$(dpkg-deb -f "$cli" Depends)
[[ $depends == *libqt6core6* ]] || fail "vantrax does not depend on Qt Core: $depends"
[[ ! $depends =~ libqt6(gui|widgets|webengine)|libx|libgl ]] || fail "vantrax depends on the desktop: $depends"
[[ $(dpkg-deb -f "$desktop" Depends) == *libqt6webenginewidgets6* ]] || fail "vantrax-editor lacks its browser"

lintian --pedantic --fail-on error,warning "$cli" "$desktop" 2>&1 | grep -v '^running with root privileges' || true
lintian --pedantic --fail-on error,warning "$cli" "$desktop" >/dev/null 2>&1 || fail "lintian reports errors or warnings"

# A server's view: vantrax alone, unpacked, answers from its own folder.
dpkg-deb -x "$cli" "$work/root"
# (Into a file: a pipe that closes after the first line could make the rest of the help fail.)
"$work/root/usr/bin/vantrax" --help >"$work/help.txt" && head -n 1 "$work/help.txt" | grep -q '^Usage: vantrax' ||
  fail "the unpacked vantrax does not run"
dpkg-deb -x "$desktop" "$work/root"
for page in vantrax vantrax-editor; do
  MANWIDTH=80 man -l "$work/root/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" ||
    fail "the manual page of $page does not render"
done
echo "packages: vantrax and vantrax-editor built, clean and runnable"
