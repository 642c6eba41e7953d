#!/bin/sh
# Solves every shipped board again from scratch and checks that the shortest
# win has the length of the line kept in solutions.txt.
# usage: tools/catalogue/solve-all.sh BUILD_DIR   (run from the repository root)
set -u
build=${1:-build}
tool="$build/bin/vortan-board"
solutions=tools/catalogue/solutions.txt
failed=0
while read -r name length moves; do
    case "$name" in ''|'#'*) continue ;; esac
    line=$(nice "$tool" solve "data/$name" 2>/dev/null | head -n 1)
    case "$line" in
    *T) got=$(( ${#line} / 2 )) ;;
    *) got="none" ;;
    esac
    # The demo line starts with two seconds of looking at the board.
    [ "$name" = demogame.dat ] && length=$(( length - 1 ))
    if [ "$got" != "$length" ]; then
        echo "$name: kept $length moves, solver found $got"
        failed=1
    fi
done < "$solutions"
[ "$failed" = 0 ] && echo "all boards solved at their kept lengths"
exit "$failed"
