#!/usr/bin/env bash
# Runs the soak programs of a build for a given time each (default 600 s),
# with a seed; use a sanitizer build (-DVORTAN_SANITIZE=ON) to catch more.
# usage: tools/soak.sh BUILD_DIR [seconds] [seed]
set -euo pipefail
build=${1:?usage: tools/soak.sh BUILD_DIR [seconds] [seed]}
seconds=${2:-600}
seed=${3:-$RANDOM}
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
for p in soak_zembrik soak_designer; do
  echo "== $p for ${seconds}s, seed $seed"
  "$build/bin/$p" "$seconds" "$seed" 2>&1 | grep -v "This plugin does not support"
done
