#!/usr/bin/env bash
# Timed runs of the real game under Xvfb: start to the first shown window
# (median of 5), and resident memory while a catalogue game is played.
# usage: bench/ui/startup_memory.sh BUILD_DIR   (needs xvfb-run and xdotool)
set -euo pipefail
build=$(cd "${1:?usage: startup_memory.sh BUILD_DIR}" && pwd)
# A display number of its own: one just given up by the previous run can
# still be in the middle of closing, and refuse the next program.
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"; fi
home=$(mktemp -d)
cp -r "$build/bin/data/." "$home/"
export VORTAN_HOME=$home SDL_AUDIODRIVER=dummy

# xdotool's own --sync waits half a second between looks; look every 5 ms.
# Returns 1 when the game could not reach the display (Xvfb now and then
# refuses a connection while xdotool polls it hard): the run is taken again.
waitShown() {
  local tries=0
  until xdotool search --onlyvisible --name "Vortan Version 2.3" > /dev/null 2>&1; do
    kill -0 "$pid" 2> /dev/null || { wait "$pid" 2> /dev/null; return 1; }
    tries=$((tries + 1))
    [ $tries -lt 2000 ] || { echo "no window after 10 s" >&2; exit 1; }
    sleep 0.005
  done
}

times=()
for i in 1 2 3 4 5; do
  for attempt in 1 2 3; do
    start=$(date +%s%N)
    "$build/bin/zembrik" &
    pid=$!
    waitShown && break
    [ $attempt -lt 3 ] || { echo "zembrik exited before showing its window, three times" >&2; exit 1; }
  done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  kill $pid; wait $pid 2> /dev/null || true
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
echo "start to shown window, ms (5 runs, sorted): $sorted"
echo "median: $(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p) ms"

"$build/bin/zembrik" &
pid=$!
waitShown
sleep 1
xdotool key alt+g; sleep 0.3; xdotool key Return; sleep 1   # Game > Play
xdotool key Return; sleep 1                                  # PLAY (Alvor, Easy, Game 1)
xdotool key Return; sleep 1                                  # the opening message
for k in Left Up Right Down Left Up; do xdotool key $k; sleep 0.4; done
grep -E '^(VmRSS|VmHWM)' /proc/$pid/status
kill $pid; wait $pid 2> /dev/null || true
rm -rf "$home"
