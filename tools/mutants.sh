#!/usr/bin/env bash
# Mutation check of the test suite.
#
#   tools/mutants.sh BUILD_DIR [FILTER]
#
# Applies each small fault listed in tools/mutants.txt (or $VORTAN_MUTANTS)
# to the product code, one at a time, rebuilds only the test programs the
# mutant names, runs them, and puts the file back. A mutant is
#   killed        a named test program failed, crashed or timed out
#   survived      every named test program passed
#   build-failed  the mutant does not compile (not counted)
#   stale         its original text is not found exactly once (not counted)
# FILTER is an extended regular expression matched against the mutant's name
# and file. The build directory must be configured already (scripts/setup.sh).
#
# Environment: VORTAN_MUTANT_JOBS (build jobs, default 2),
# VORTAN_MUTANT_TIMEOUT (seconds per test program, default 300).
set -uo pipefail

usage() { echo "usage: $0 BUILD_DIR [FILTER]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" 2>/dev/null && pwd) || { echo "no build directory: $1" >&2; exit 2; }
filter=${2:-}
table=${VORTAN_MUTANTS:-$root/tools/mutants.txt}
jobs=${VORTAN_MUTANT_JOBS:-2}
limit=${VORTAN_MUTANT_TIMEOUT:-300}
[ -f "$build/CMakeCache.txt" ] || { echo "$build is not a configured build directory" >&2; exit 2; }
[ -f "$table" ] || { echo "no mutant table: $table" >&2; exit 2; }

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

# The original of the file under mutation is kept in the build directory, so
# that even a run killed outright is repaired by the next one.
backup=$build/mutants-backup
backup_of=$build/mutants-backup.path
work=$(mktemp -d)
logs=$build/mutants-logs
mkdir -p "$logs"

restore() {
  if [ -f "$backup_of" ]; then
    local target
    target=$(cat "$backup_of")
    # cat, not cp -p: a fresh mtime makes the next build recompile the file.
    cat "$backup" > "$target" && rm -f "$backup" "$backup_of"
  fi
}
on_exit() { restore; rm -rf "$work"; }
trap on_exit EXIT
trap 'echo; echo "interrupted: file restored" >&2; exit 130' INT TERM HUP

if [ -f "$backup_of" ]; then
  echo "restoring $(cat "$backup_of") left mutated by an earlier run"
  restore
fi

# --- the table -------------------------------------------------------------
# Blocks of "key value" lines separated by blank lines; '#' starts a comment
# line. Keys: mutant, file, tests, from, to. In from/to, \n is a line break
# and \\ a backslash; an empty "to" drops the text.
names=() files=() tests=() froms=() tos=()
m_name='' m_file='' m_tests='' m_from='' m_to='' m_has_from=0 m_has_to=0
unescape() {
  local s=$1 out='' c
  while [ -n "$s" ]; do
    c=${s:0:1}
    if [ "$c" = '\' ] && [ ${#s} -ge 2 ]; then
      case ${s:1:1} in
        n) out+=$'\n' ;;
        \\) out+='\' ;;
        *) out+="\\${s:1:1}" ;;
      esac
      s=${s:2}
    else
      out+=$c
      s=${s:1}
    fi
  done
  printf '%s' "$out"
}
flush() {
  if [ -n "$m_name" ]; then
    if [ -z "$m_file" ] || [ -z "$m_tests" ] || [ "$m_has_from" != 1 ] || [ "$m_has_to" != 1 ]; then
      echo "table: mutant '$m_name' lacks file, tests, from or to" >&2; exit 2
    fi
    names+=("$m_name"); files+=("$m_file"); tests+=("$m_tests")
    froms+=("$(unescape "$m_from")"); tos+=("$(unescape "$m_to")")
  fi
  m_name='' m_file='' m_tests='' m_from='' m_to='' m_has_from=0 m_has_to=0
}
flush
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    '#'*) continue ;;
    '') flush; continue ;;
  esac
  key=${line%% *}
  value=${line#"$key"}; value=${value# }
  case $key in
    mutant) flush; m_name=$value ;;
    file) m_file=$value ;;
    tests) m_tests=$value ;;
    from) m_from=$value; m_has_from=1 ;;
    to) m_to=$value; m_has_to=1 ;;
    *) echo "table: unknown key '$key' in: $line" >&2; exit 2 ;;
  esac
done < "$table"
flush

selected=()
for i in "${!names[@]}"; do
  if [ -z "$filter" ] || printf '%s %s\n' "${names[$i]}" "${files[$i]}" | grep -Eq -- "$filter"; then
    selected+=("$i")
  fi
done
[ ${#selected[@]} -gt 0 ] || { echo "no mutant matches '$filter'" >&2; exit 2; }

# --- building and running ----------------------------------------------------
build_targets() {  # targets...; output to $work/build.log
  cmake --build "$build" -j "$jobs" --target "$@" > "$work/build.log" 2>&1 && return 0
  # Ninja catches Ctrl+C and exits normally, so the shell never runs its
  # INT trap: stop here, or the interruption would count as a build failure.
  if grep -q "interrupted by user" "$work/build.log"; then
    echo; echo "interrupted: file restored" >&2; exit 130
  fi
  return 1
}

declare -A binary
find_binary() {  # program name -> path
  local t=$1
  if [ -z "${binary[$t]:-}" ]; then
    binary[$t]=$(find "$build" -type f -name "$t" -perm -u+x -not -path '*/CMakeFiles/*' | head -n 1)
  fi
  printf '%s' "${binary[$t]}"
}

# Runs one test program with a home of its own; returns its status.
run_program() {  # program log
  local bin home status
  bin=$(find_binary "$1")
  [ -n "$bin" ] || { echo "no binary for $1" > "$2"; return 99; }
  home=$(mktemp -d "$work/home.XXXXXX")
  VORTAN_HOME=$home timeout --foreground -k 10 "$limit" "$bin" --gtest_brief=1 --gtest_fail_fast > "$2" 2>&1
  status=$?
  rm -rf "$home"
  # 130: the program died of Ctrl+C (timeout reports it as a status, so the
  # shell's INT trap does not run); that is the user's interruption.
  if [ $status -eq 130 ]; then
    echo; echo "interrupted: file restored" >&2; exit 130
  fi
  return $status
}

# Every program that any selected mutant uses must pass as the tree stands,
# or each of its mutants would be counted as killed for nothing.
declare -A needed
for i in "${selected[@]}"; do for t in ${tests[$i]}; do needed[$t]=1; done; done
echo "Building and checking the unmutated suite: ${!needed[*]}"
start=$(date +%s)
if ! build_targets "${!needed[@]}"; then
  cat "$work/build.log" >&2; echo "the unmutated tree does not build" >&2; exit 1
fi
for t in "${!needed[@]}"; do
  t0=$(date +%s)
  if ! run_program "$t" "$logs/unmutated-$t.log"; then
    tail -n 30 "$logs/unmutated-$t.log" >&2
    echo "$t fails without any mutant; fix that first (log: $logs/unmutated-$t.log)" >&2
    exit 1
  fi
  echo "  $t passes ($(( $(date +%s) - t0 ))s)"
done

killed=0 survived=0 failed=0 stale=0
survivors=() unbuilt=() stales=()
n=0
for i in "${selected[@]}"; do
  n=$((n + 1))
  name=${names[$i]} file=${files[$i]} from=${froms[$i]} to=${tos[$i]}
  path=$root/$file
  label=$(printf '[%2d/%d] %-34s' "$n" "${#selected[@]}" "$name")
  log=$logs/$name.log
  if [ ! -f "$path" ]; then
    echo "$label stale (no file $file)"; stale=$((stale + 1)); stales+=("$name"); continue
  fi
  # Read the file whole; the x keeps trailing newlines through $(...).
  content=$(cat "$path"; printf x); content=${content%x}
  rest=${content#*"$from"}
  if [ -z "$from" ] || [ "$rest" = "$content" ]; then
    echo "$label stale (original text not found in $file)"
    stale=$((stale + 1)); stales+=("$name"); continue
  fi
  if [ "${rest#*"$from"}" != "$rest" ]; then
    echo "$label stale (original text found more than once in $file)"
    stale=$((stale + 1)); stales+=("$name"); continue
  fi
  before=${content%%"$from"*}

  cp "$path" "$backup" && printf '%s' "$path" > "$backup_of"
  printf '%s' "$before$to$rest" > "$path"

  t0=$(date +%s)
  read -ra progs <<< "${tests[$i]}"
  # One program at a time: the first that fails ends the mutant, and the
  # programs after it are not even linked.
  result=survived
  for t in "${progs[@]}"; do
    if ! build_targets "$t"; then
      cp "$work/build.log" "$log"; result=build-failed; break
    fi
    if ! run_program "$t" "$log"; then
      result="killed by $t"; break
    fi
  done
  case $result in
    survived) survived=$((survived + 1)); survivors+=("$name") ;;
    build-failed) failed=$((failed + 1)); unbuilt+=("$name") ;;
    *) killed=$((killed + 1)) ;;
  esac
  restore
  echo "$label $result ($(( $(date +%s) - t0 ))s)"
done

# The last mutant of each program is still built into it: build them again
# from the restored tree, so that no later test run uses a mutated program.
if ! build_targets "${!needed[@]}"; then
  cat "$work/build.log" >&2; echo "rebuilding the unmutated programs failed" >&2
fi

total=$((killed + survived))
echo
echo "Survived: ${survivors[*]:-none}"
[ $failed -eq 0 ] || echo "Build failed (not counted): ${unbuilt[*]}"
[ $stale -eq 0 ] || echo "Stale (not counted): ${stales[*]}"
echo "Time: $(( $(date +%s) - start ))s; logs in $logs"
echo "killed/total: $killed/$total"
