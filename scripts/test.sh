#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless and silent:
# once in the normal build, once in a build without Qt (libraries, board tool
# and their tests), once with AddressSanitizer and UndefinedBehaviorSanitizer
# (set VORTAN_SKIP_SANITIZERS=1 to skip that). In between, the Debian package
# is built, checked, installed, played and purged (scripts/package-test.sh;
# VORTAN_SKIP_PACKAGE=1 skips it).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
jobs=$(nproc)

# Information only: how large the test code is beside the product.
bash tools/test-share.sh || true

scripts/setup.sh
ctest --test-dir "${VORTAN_BUILD_DIR:-build}" --output-on-failure -j "$jobs" --timeout 300

# Without Qt: the libraries, the board tool and their tests still build and pass.
cmake -S . -B build-nogui -G Ninja -DVORTAN_GUI=OFF -DVORTAN_BENCH=OFF
cmake --build build-nogui -j "$jobs"
ctest --test-dir build-nogui --output-on-failure -j "$jobs" --timeout 300

if [ "${VORTAN_SKIP_PACKAGE:-0}" != 1 ]; then
  bash scripts/package-test.sh
fi

if [ "${VORTAN_SKIP_SANITIZERS:-0}" != 1 ]; then
  VORTAN_BUILD_DIR=build-sanitize scripts/setup.sh -DVORTAN_SANITIZE=ON -DVORTAN_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer-suppressions.txt:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 600
fi
