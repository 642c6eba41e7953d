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
for f in bin/zembrik bin/designer bin/vortan-board \
         share/vortan/G0.MID share/vortan/CLICK0.wav share/vortan/help/zembrik.html \
         share/applications/vortan-zembrik.desktop share/applications/vortan-designer.desktop \
         share/icons/hicolor/64x64/apps/vortan-zembrik.png share/icons/hicolor/64x64/apps/vortan-designer.png; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
grep -q '^Exec=zembrik$' "$prefix/share/applications/vortan-zembrik.desktop" || fail "desktop entry"

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
