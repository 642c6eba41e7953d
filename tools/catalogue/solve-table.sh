#!/bin/sh
# Solves every shipped board from scratch with the default memory budget and
# prints a Markdown table per series (boards, shortest lengths, positions
# stored, seconds: mean and worst), then the demo board. A board whose
# shortest win differs from the line kept in solutions.txt is listed and
# makes the exit code 1.
# usage: tools/catalogue/solve-table.sh BUILD_DIR [THREADS]   (from the repository root)
set -u
build=${1:-build}
threads=${2:-2}
tool=${VORTAN_BOARD:-"$build/bin/vortan-board"}
solutions=tools/catalogue/solutions.txt
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT
while read -r name length moves; do
    case "$name" in ''|'#'*) continue ;; esac
    report=$("$tool" solve "data/$name" --threads "$threads" 2>&1 >/dev/null)
    # "won in N moves; P positions, G moves tried in S s"
    got=$(echo "$report" | sed -n 's/^won in \([0-9]*\) moves; \([0-9]*\) positions, \([0-9]*\) moves tried in \([0-9.e-]*\) s$/\1 \2 \3 \4/p')
    [ -z "$got" ] && got="none 0 0 0"
    [ "$name" = demogame.dat ] && length=$((length - 1))  # the kept demo line starts with a pause
    echo "$name $length $got" >>"$rows"
done <"$solutions"

awk -v label0="Easy,Traditional,Chambered,Maze,Patterns,Geometry,Shapes,Themes,Complex,Assorted,Extra,Bonus" \
    -v label1="Simple,Circle,Kaleidoscope,Supergraphic,Cadrel 1,Cadrel 2,Cadrel 3,Reserved,Transparent,Symbol,Traps,Mirrors" '
function series(name,   stem, n) {
    stem = name; sub(/[0-9]+\.dat$/, "", stem)
    n = name; gsub(/[^0-9]/, "", n)
    if (name == "demogame.dat") return "zz demo board"
    split(stem == "alvor" ? label0 : label1, labels, ",")
    return sprintf("%s %02d %s", stem, int((n - 1) / 10) + 1, labels[int((n - 1) / 10) + 1])
}
{
    s = series($1); keys[s] = 1
    boards[s]++
    if ($3 != $2) { bad = bad "\n" $1 ": kept " $2 " moves, solver found " $3; fail = 1 }
    len[s] += $3; if ($3 > lenMax[s]) lenMax[s] = $3
    pos[s] += $4; if ($4 > posMax[s]) posMax[s] = $4
    sec[s] += $6; if ($6 > secMax[s]) secMax[s] = $6
    all += $6; if ($6 > worst) { worst = $6; worstAt = $1 }
}
END {
    print "| series | boards | moves mean / max | positions mean / max | seconds mean / max |"
    print "|---|---:|---:|---:|---:|"
    for (s in keys)
        printf "| %s | %d | %.1f / %d | %d / %d | %.3f / %.3f |\n", s, boards[s], len[s] / boards[s], lenMax[s],
            pos[s] / boards[s], posMax[s], sec[s] / boards[s], secMax[s] | "sort"
    close("sort")
    printf "\nall boards: %.1f s in all, worst %.3f s (%s)\n", all, worst, worstAt
    if (fail) { print "lengths that differ from the kept lines:" bad; exit 1 }
}' "$rows"
