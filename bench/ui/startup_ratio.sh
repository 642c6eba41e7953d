#!/usr/bin/env bash
# The game's start-up against a bare Qt window: both started the same way
# under Xvfb, in turns, timed from the start to the window shown; prints the
# medians and their ratio. usage: bench/ui/startup_ratio.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: startup_ratio.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-9}
# A display number of its own: one just given up by the previous run can
# still be in the middle of closing, and refuse the next program.
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"; fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$build/bin/data/." "$home/"
export VORTAN_HOME=$home SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

# Milliseconds from starting program $1 to a visible window titled $2, or
# nothing when the program could not reach the display (Xvfb now and then
# refuses a connection while xdotool polls it hard): the run is taken again.
timeOnce() {
  local start end tries=0 pid
  start=$(date +%s%N)
  "$1" > /dev/null 2>&1 &
  pid=$!
  # xdotool's own --sync looks only every half second; look every 5 ms.
  until xdotool search --onlyvisible --name "^$2\$" > /dev/null 2>&1; do
    kill -0 $pid 2> /dev/null || { wait $pid 2> /dev/null; return 0; }
    tries=$((tries + 1))
    [ $tries -lt 2000 ] || { echo "no window after 10 s" >&2; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill $pid; wait $pid 2> /dev/null || true
  echo $(((end - start) / 1000000))
}
timeStart() {
  local ms attempt
  for attempt in 1 2 3; do
    ms=$(timeOnce "$@")
    [ -n "$ms" ] && { echo "$ms"; return; }
    sleep 0.2
  done
  echo "$1 exited before showing its window, three times" >&2
  exit 1
}
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }

bare=()
game=()
for ((i = 0; i < runs; ++i)); do
  bare+=("$(timeStart "$build/bin/bench_bare_window" "Bare Qt Window")")
  game+=("$(timeStart "$build/bin/zembrik" "Vortan Version 2.3")")
done
b=$(median "${bare[@]}")
g=$(median "${game[@]}")
echo "bare Qt window, ms: ${bare[*]} (median $b)"
echo "zembrik, ms:        ${game[*]} (median $g)"
awk -v g="$g" -v b="$b" 'BEGIN { printf "ratio: %.2f\n", g / b }'
