#!/usr/bin/env bash
# Builds the Debian package in the Debian games layout (programs in
# /usr/games, data in /usr/share/games/vortan), checks it with lintian,
# installs it with apt, then plays the installed game on a virtual display:
# opens its help, wins the catalogue's first board and files the high score.
# Purges the package at the end, also when a step fails. Needs root.
# usage: scripts/package-test.sh [BUILD_DIR]   (default build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD

packages=(dpkg-dev fakeroot lintian xvfb xauth xdotool xclip imagemagick)
scripts/install-missing.sh "${packages[@]}"

build=${1:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_DATADIR=share/games \
      -DVORTAN_TESTS=OFF -DVORTAN_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
      -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now" > /dev/null
# Only what the package holds.
cmake --build "$build" -j "$(nproc)" --target zembrik designer vortan-board vortan_packaging_files
build=$(cd "$build" && pwd)
rm -f "$build"/vortan_*.deb
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/vortan_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Section Depends

echo "== lintian"
lintian --fail-on error --display-info "$deb" || { echo "FAIL: lintian reports errors"; exit 1; }
echo "lintian: no errors"

fail() { echo "FAIL: $*"; exit 1; }
cleanup() {
  if [ -n "${game:-}" ]; then kill "$game" 2> /dev/null || true; fi
  if dpkg-query -W -f='${Status}' vortan 2> /dev/null | grep -q "install ok installed"; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y vortan > /dev/null
  fi
  rm -rf "${work:-}"
}
trap cleanup EXIT

echo "== install"
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" > /dev/null
for f in /usr/games/zembrik /usr/games/vortan-designer /usr/games/vortan-board \
         /usr/share/games/vortan/alvor1.dat /usr/share/games/vortan/help/zembrik.html \
         /usr/share/applications/org.example.vortan.Zembrik.desktop \
         /usr/share/icons/hicolor/scalable/apps/org.example.vortan.Zembrik.svg \
         /usr/share/metainfo/org.example.vortan.Zembrik.metainfo.xml \
         /usr/share/man/man6/zembrik.6.gz /usr/share/doc/vortan/copyright; do
  [ -e "$f" ] || fail "the package did not install $f"
done
[ "$(/usr/games/zembrik --version)" = "zembrik 2.3" ] || fail "zembrik --version"
man -l /usr/share/man/man6/vortan-board.6.gz > /dev/null 2>&1 || fail "the vortan-board manual page"

echo "== play the installed game"
work=$(mktemp -d)
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME"
unset VORTAN_HOME
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
line=$(awk '$1 == "alvor1.dat" { print $3 }' "$source/tools/catalogue/solutions.txt")
[ -n "$line" ] || fail "no line for alvor1.dat in tools/catalogue/solutions.txt"
# The screen at the win is kept beside the package, to look at.
export line won_picture=$build/package-test-won.png
xvfb-run -a -s "-screen 0 1024x768x24" bash -euo pipefail -c '
  win=
  # Waits at most 10 s for a window whose whole title is $1, and focuses it.
  focus() {
    win=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | tail -1) || { echo "FAIL: no window \"$1\""; exit 1; }
    xdotool windowfocus --sync "$win"
  }
  keys() { xdotool key --delay 120 "$@"; }
  /usr/games/zembrik > "$HOME/zembrik.log" 2>&1 &
  game=$!
  focus "Vortan Version 2.3"
  main=$win
  sleep 1

  # Help: the installed page, found in the Debian games layout.
  keys F1
  focus "Vortan Help"
  sleep 0.5
  keys ctrl+a ctrl+c
  sleep 0.3
  help=$(xclip -o -selection clipboard)
  case $help in
    *"sliding-box puzzle"*) echo "help: the installed page is shown" ;;
    *) echo "FAIL: the help window shows: $help"; exit 1 ;;
  esac
  xdotool windowclose "$win" 2> /dev/null || xdotool windowunmap "$win"

  # Game > Play with the first board, its opening message, then its line.
  focus "Vortan Version 2.3"
  keys alt+g Return
  focus "Play Game"; keys Return
  focus "Opening Message"; keys Return
  focus "Vortan Version 2.3"
  for ((i = 0; i < ${#line}; ++i)); do
    case ${line:i:1} in
      U) keys Up ;; D) keys Down ;; L) keys Left ;; R) keys Right ;; T) sleep 1.05 ;;
    esac
  done
  focus "Game Message"
  import -window root "$won_picture"
  keys Return
  focus "Enter High Score"
  xdotool type --delay 100 "DEB"
  keys Return
  sleep 1
  kill $game
  wait $game 2> /dev/null || true
'
scores=$XDG_DATA_HOME/vortan/HIScore0.dat
[ -f "$scores" ] || fail "no high score file $scores after the win"
grep -aq DEB "$scores" || fail "the high score does not carry the initials"
[ ! -e /usr/share/games/vortan/HIScore0.dat ] || fail "the game wrote into its read-only data"
echo "play: alvor1.dat won (the screen: $won_picture), high score filed in $scores"

echo "== purge"
DEBIAN_FRONTEND=noninteractive apt-get purge -y vortan > /dev/null
[ ! -e /usr/games/zembrik ] || fail "zembrik is still installed after the purge"
echo "package test passed"
