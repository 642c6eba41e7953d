#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what lands where, and
# starts the installed game headless: it must find its data in the prefix
# and write its own files into the user's data folder.
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log"

fail() { echo "FAIL: $*"; exit 1; }
game_id=org.example.vortan.Zembrik
designer_id=org.example.vortan.Designer
files=(bin/zembrik bin/vortan-designer bin/vortan-board
       share/vortan/G0.MID share/vortan/CLICK0.wav share/vortan/alvor1.dat share/vortan/help/zembrik.html
       share/doc/vortan/copyright share/doc/vortan/changelog.gz
       share/man/man6/zembrik.6.gz share/man/man6/vortan-designer.6.gz share/man/man6/vortan-board.6.gz)
for id in $game_id $designer_id; do
  files+=(share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg)
  for size in 16 24 32 48 64 128 256; do
    files+=(share/icons/hicolor/${size}x${size}/apps/$id.png)
  done
done
for f in "${files[@]}"; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
# Qt's own designer owns that name.
[ ! -e "$prefix/bin/designer" ] || fail "installed a program named designer"
grep -q '^Exec=zembrik %f$' "$prefix/share/applications/$game_id.desktop" || fail "game desktop entry"
grep -q '^Exec=vortan-designer %f$' "$prefix/share/applications/$designer_id.desktop" || fail "designer desktop entry"
grep -q "^Icon=$game_id$" "$prefix/share/applications/$game_id.desktop" || fail "game icon name"
grep -q "<binary>vortan-designer</binary>" "$prefix/share/metainfo/$designer_id.metainfo.xml" || fail "designer metainfo"
grep -q "Permission is hereby granted" "$prefix/share/doc/vortan/copyright" || fail "copyright"
for icon in 16 256; do
  size=$(head -c 24 "$prefix/share/icons/hicolor/${icon}x${icon}/apps/$game_id.png" | od -An -tu1 -j16 -N8 | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
  [ "$size" = "${icon}x${icon}" ] || fail "the ${icon}x${icon} icon is $size"
done
for p in zembrik vortan-designer vortan-board; do
  [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$p" --version)" = "$p 2.3" ] || fail "$p --version"
done

# The installed game, with no VORTAN_HOME: user files go to XDG_DATA_HOME.
export HOME=$work/home XDG_DATA_HOME=$work/xdg XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
unset VORTAN_HOME
mkdir -p "$HOME"
set +e
timeout 4 "$prefix/bin/zembrik" > "$work/zembrik.log" 2>&1
rc=$?
set -e
[ "$rc" -eq 124 ] || { cat "$work/zembrik.log"; fail "zembrik exited with $rc instead of running until stopped"; }
options=$XDG_DATA_HOME/vortan/Options.dat
[ -f "$options" ] || fail "the game did not create $options"
[ "$(stat -c %s "$options")" -eq 24 ] || fail "Options.dat is not 24 bytes"
[ ! -e "$prefix/share/vortan/Options.dat" ] || fail "the game wrote into its read-only data folder"

echo "install test passed"
