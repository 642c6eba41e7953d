#!/bin/bash
# Drives the real game under a virtual X server: takes pictures of each
# dialog and of play in the three graphics styles, plays alvor1.dat to its
# win, and sends the sound to a file for measuring.
#   xvfb-run -s "-screen 0 1024x768x24" bench/ui/screenshots.sh BUILD_DIR OUT_DIR
set -u
build=${1:-/work/build-runs}
out=${2:-/tmp/vortan-shots}
mkdir -p "$out"
home=$(mktemp -d)
cp -r "$build"/bin/data/. "$home"/
export VORTAN_HOME=$home SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$out/sdlaudio.raw
export QT_QPA_PLATFORM=xcb

shot() { sleep "${2:-0.6}"; import -window root "$out/$1.png"; }
# There is no window manager: the keyboard goes where it is sent.
win=
focus() {
    win=$(xdotool search --sync --onlyvisible --name "^$1\$" | tail -1)
    xdotool windowfocus --sync "$win"
}
keys() { xdotool key --delay 120 "$@"; }
# Clicks at a point of the window last focused, in its own coordinates.
clickAt() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 0.3
}
main="Vortan Version 2.3"

"$build"/bin/zembrik &
game=$!
shot title 2

focus "$main"; keys alt+g Return; shot play-game
focus "Play Game"; keys Return; shot opening-message
focus "Opening Message"; keys Return; shot playing-traditional
focus "$main"
# alvor1.dat from its first move to its last (the solver's line).
solution=$("$build"/bin/vortan-board solve "$home/alvor1.dat" | head -1)
for ((i = 0; i < ${#solution}; ++i)); do
    case ${solution:i:1} in
    U) keys Up ;; D) keys Down ;; L) keys Left ;; R) keys Right ;; T) sleep 1.05 ;;
    esac
    [ $i -eq 1 ] && shot playing-midway 0.2
done
shot game-won 1
focus "Game Message"; keys Return; shot enter-high-score
focus "Enter High Score"; xdotool type --delay 100 "ABC"; shot enter-high-score-typed 0.2; keys Return; sleep 0.5

# Play again: the score is shown for the game; play it in the Mixed style.
focus "$main"; keys alt+o Return; shot options
focus "Options Menu"; clickAt 78 86; shot options-mixed 0.2; keys Return; sleep 0.5
focus "$main"; keys alt+g Return; shot play-game-with-score
focus "Play Game"; keys Return; sleep 0.5; focus "Opening Message"; keys Return; shot playing-mixed 1
focus "$main"; keys Right; keys alt+o Return; sleep 0.6
focus "Options Menu"; clickAt 78 113; keys Return; shot playing-blues 1
focus "$main"; keys alt+g Down Return; shot pause
focus "Game Message"; keys Return; sleep 0.5
focus "$main"; keys alt+g Down Down Return; shot end-game 1
keys alt+o Return; sleep 0.6; focus "Options Menu"; clickAt 78 58; keys Return; sleep 0.3
focus "$main"; keys alt+g Down Down Down Return; shot demo-opening 1
focus "Opening Message"; keys Return; shot demo-message
focus "Demo Message"; keys Return; shot demo-running 6
sleep 4
kill "$game"
wait "$game" 2>/dev/null
cp "$home"/Options.dat "$home"/HIScore0.dat "$out"/ 2>/dev/null
rm -rf "$home"
