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

board="board/board_definition.cpp board/board_file.cpp board/file_io.cpp"
engine="game/engine/play_board.cpp game/engine/game_state.cpp game/engine/game_rules.cpp game/engine/input.cpp"
declare -A sources=(
  [board_fuzz]="tests/fuzz/board_fuzz.cpp $board $engine"
  [records_fuzz]="tests/fuzz/records_fuzz.cpp game/runs/records.cpp $board"
  [number_field_fuzz]="tests/fuzz/number_field_fuzz.cpp platform/dialog_data.cpp"
)
declare -A extra=(
  [number_field_fuzz]="$(pkg-config --cflags --libs Qt6Widgets 2>/dev/null) -fPIC"
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${!sources[@]}")

for t in "${targets[@]}"; do
  # shellcheck disable=SC2086
  clang++ "${flags[@]}" ${sources[$t]} ${extra[$t]:-} -o "$out/$t"
  corpus="tests/fuzz/corpus/${t%_fuzz}"
  mkdir -p "$corpus"
  work="$out/corpus-$t"
  mkdir -p "$work" "$out/findings-$t"
  echo "== $t for ${seconds}s"
  "$out/$t" -max_total_time="$seconds" -max_len=8192 -artifact_prefix="$out/findings-$t/" \
    -print_final_stats=1 "$work" "$corpus"
done
