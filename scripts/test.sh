#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless and silent.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "${VORTAN_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)" --timeout 300
