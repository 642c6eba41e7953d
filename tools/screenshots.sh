#!/usr/bin/env bash
# Pictures of the real windows for the metainfo and the README: starts the
# game and the designer of BUILD_DIR on a virtual display, drives them with
# xdotool and captures each window with ImageMagick's import.
# usage: tools/screenshots.sh BUILD_DIR [OUT_DIR]   (default packaging/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:?usage: screenshots.sh BUILD_DIR [OUT_DIR]}" && pwd)
out=${2:-packaging/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$out"; fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$build/bin/data/." "$home/"
export VORTAN_HOME=$home SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

win=
# There is no window manager: keys go to the window given the focus.
focus() {
  win=$(xdotool search --sync --onlyvisible --name "^$1\$" | tail -1)
  xdotool windowfocus --sync "$win"
}
keys() { xdotool key --delay 120 "$@"; }
# The window last focused, as it is on the screen.
shot() {
  sleep "${2:-0.8}"
  import -window "$win" "$out/$1.png"
  echo "$out/$1.png: $(identify -format '%wx%h' "$out/$1.png")"
}
# The screen where the main window is, dialogs over it included.
shotScreen() {
  sleep "${2:-0.8}"
  eval "$(xdotool getwindowgeometry --shell "$mainWin")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
  echo "$out/$1.png: $(identify -format '%wx%h' "$out/$1.png")"
}
# Clicks a point of the window last focused, in its own coordinates.
clickAt() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
  sleep 0.3
}
main="Vortan Version 2.3"

"$build/bin/zembrik" &
game=$!
focus "$main"; sleep 1
mainWin=$win
keys alt+g Return
focus "Play Game"
# Brenno, the Supergraphic series, game 3: one bold picture over the board.
clickAt 84 96; clickAt 70 286; clickAt 306 254
shotScreen zembrik-choosing
keys Return
focus "Opening Message"; keys Return
focus "$main"
for k in Up Left; do keys $k; sleep 0.4; done
shot zembrik-playing 1.2
kill "$game"; wait "$game" 2> /dev/null || true

"$build/bin/vortan-designer" &
designer=$!
focus "Vortan Designer.*"
keys ctrl+o
focus "Open"
sleep 0.5
xdotool type --delay 20 "$home/brenno41.dat"
keys Return
focus "Vortan Designer.*"
shot designer-editing 1
kill "$designer"; wait "$designer" 2> /dev/null || true
