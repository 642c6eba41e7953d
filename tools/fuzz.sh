#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a given time.
# usage: tools/fuzz.sh [seconds-per-target] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
out=build-fuzz
mkdir -p "$out"
flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.)

declare -A sources=(
  [board_fuzz]="tests/fuzz/board_fuzz.cpp board/board_definition.cpp board/board_file.cpp board/file_io.cpp game/engine/play_board.cpp game/engine/game_state.cpp game/engine/game_rules.cpp game/engine/input.cpp"
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${!sources[@]}")

for t in "${targets[@]}"; do
  # shellcheck disable=SC2086
  clang++ "${flags[@]}" ${sources[$t]} -o "$out/$t"
  corpus="tests/fuzz/corpus/${t%_fuzz}"
  work="$out/corpus-$t"
  mkdir -p "$work" "$out/findings-$t"
  echo "== $t for ${seconds}s"
  "$out/$t" -max_total_time="$seconds" -max_len=8192 -artifact_prefix="$out/findings-$t/" \
    -print_final_stats=1 "$work" "$corpus"
done
