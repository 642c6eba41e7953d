#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (as root), then
# configures and builds into build/. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ ninja-build pkg-config
          qt6-base-dev qt6-qpa-plugins libgl-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libsdl2-mixer-dev timgm6mb-soundfont
          fonts-liberation xvfb xauth x11-utils xdotool
          desktop-file-utils appstream
          libgtest-dev libgmock-dev googletest libbenchmark-dev)
scripts/install-missing.sh "${packages[@]}"

build_dir=${VORTAN_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" -j "$(nproc)"
