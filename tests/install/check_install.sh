#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands in its standard
# place and that the menu entry and the AppStream description pass their validators.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/vantrax-editor
  bin/vantrax
  share/icons/hicolor/scalable/apps/vantrax-editor.svg
  share/mime/packages/vantrax-editor-tweak.xml
  share/bash-completion/completions/vantrax
  share/applications/example.orvanthe.VantraxEditor.desktop
  share/metainfo/example.orvanthe.VantraxEditor.metainfo.xml
)
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ -x "$prefix/bin/vantrax-editor" ] || { echo "the program is not executable"; exit 1; }
[ -n "$(find "$prefix" -path '*/vantrax-editor/modules/vantrax-browser.so')" ] || { echo "the browser module is not installed"; exit 1; }
# Each icon is there and of its size.
for size in 32 48 64 128 256; do
  geometry=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/vantrax-editor.png")
  [ "$geometry" = "${size}x${size}" ] || { echo "icon of ${size}x${size} is $geometry"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/example.orvanthe.VantraxEditor.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/example.orvanthe.VantraxEditor.metainfo.xml"
echo "installed and valid"
