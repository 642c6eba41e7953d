#!/usr/bin/env bash
# Prints how much of the C++ is tests: non-blank lines of the git-tracked
# *.cpp and *.h under tests/ against those of the rest of the tree.
# Informational only: always exits 0 when git can list the files.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  # Non-blank: a line with at least one character that is not white space.
  local n
  n=$(git ls-files -z -- "$@" | xargs -0 -r cat | grep -c '[^[:space:]]' || true)
  echo "${n:-0}"
}

tests=$(count 'tests/*.cpp' 'tests/*.h')
rest=$(count '*.cpp' '*.h' ':!tests/')
all=$((tests + rest))

pct() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", 100 * a / b; else print "n/a" }'; }

echo "Test share (non-blank C++ lines, git-tracked *.cpp *.h):"
echo "  tests/:           $tests"
echo "  rest of the tree: $rest"
echo "  tests against the rest: $(pct "$tests" "$rest")%  (tests are $(pct "$tests" "$all")% of all $all lines)"
