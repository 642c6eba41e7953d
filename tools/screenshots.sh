#!/usr/bin/env bash
# Pictures of the real windows for the metainfo and the README: starts the
# game and the designer of BUILD_DIR on a virtual display, drives them with
# xdotool and captures each window with ImageMagick's import. Then the
# scaled pictures of the README: the game at device pixel ratios 1, 1.5 and
# 2, full screen at 1920 x 1080, and the designer at 2, into DOCS_DIR.
# usage: tools/screenshots.sh BUILD_DIR [OUT_DIR [DOCS_DIR]]
#        (default packaging/screenshots and docs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:?usage: screenshots.sh BUILD_DIR [OUT_DIR [DOCS_DIR]]}" && pwd)
out=${2:-packaging/screenshots}
docs=${3:-docs}
mkdir -p "$out" "$docs"
out=$(cd "$out" && pwd)
docs=$(cd "$docs" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1920x1400x24" "$0" "$build" "$out" "$docs"; fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$build/bin/data/." "$home/"
# Remembered window sizes stay in the throw-away home too.
export VORTAN_HOME=$home SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$home/config

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
focus ".*Vortan Designer.*"
keys ctrl+o
focus "Open"
sleep 0.5
xdotool type --delay 20 "$home/brenno41.dat"
keys Return
focus ".*Vortan Designer.*"
shot designer-editing 1
kill "$designer"; wait "$designer" 2> /dev/null || true

# ---- scaled pictures ---------------------------------------------------------

# The screen point of picture point (px, py) in the game window last
# focused: the picture fills the view below the menu bar (19 pixels at
# ratio 1), fitted with its shape kept and centred.
pictureClick() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  local menu
  menu=$(awk -v r="$ratio" 'BEGIN { printf "%d", 19 * r + 0.5 }')
  read -r sx sy < <(awk -v w="$WIDTH" -v h="$((HEIGHT - menu))" -v px="$1" -v py="$2" -v m="$menu" 'BEGIN {
    k = w / 800 < h / 600 ? w / 800 : h / 600
    printf "%d %d\n", (w - 800 * k) / 2 + (px + 0.5) * k, m + (h - 600 * k) / 2 + (py + 0.5) * k }')
  xdotool mousemove $((X + sx)) $((Y + sy)) click 1
  sleep 0.4
}
# The middle of each click zone, in picture pixels.
zone() {
  case $1 in
  U) pictureClick 525 100 ;; D) pictureClick 525 450 ;; L) pictureClick 400 275 ;; R) pictureClick 650 275 ;;
  esac
}
# Starts the game at ratio $ratio on the board Play offers first when no
# options are kept (Brenno, Bullseye 2), ready for moves by clicks.
startGame() {
  QT_SCALE_FACTOR=$ratio "$build/bin/zembrik" &
  game=$!
  focus "$main"; sleep 1
  keys alt+g Return
  focus "Play Game"; keys Return
  focus "Opening Message"; keys Return
  focus "$main"
}
# The moves of its shortest win, without the ticks between them.
line=$("$build/bin/vortan-board" solve "$home/brenno33.dat" | head -1 | tr -d T)

for ratio in 1 1.5 2; do
  startGame
  for move in $(echo "${line:0:3}" | grep -o .); do zone "$move"; done
  out=$docs shot "zembrik-ratio-$ratio" 1.2
  kill "$game"; wait "$game" 2> /dev/null || true
done

# Full screen on a 1920 x 1080 screen. Xvfb has no window manager to give
# the window the whole screen, so the script does what one would.
ratio=1
startGame
keys F11
xdotool windowmove --sync "$win" 0 0 windowsize --sync "$win" 1920 1080
sleep 0.8
for move in $(echo "${line:0:6}" | grep -o .); do zone "$move"; done
out=$docs shot zembrik-fullscreen-1920x1080 1.2
kill "$game"; wait "$game" 2> /dev/null || true

QT_SCALE_FACTOR=2 "$build/bin/vortan-designer" "$home/brenno41.dat" &
designer=$!
focus "brenno41.dat.*"
out=$docs shot designer-ratio-2 1.5
kill "$designer"; wait "$designer" 2> /dev/null || true
