#!/usr/bin/env bash
# End to end: only one picker per user and program file runs. Runs on the
# private X server that scripts/with-xvfb gives it.
# Usage: single_instance_e2e.sh PROGRAM
set -uo pipefail
program=$1
failures=0
started=()

check() { # description, condition...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
running() { kill -0 "$1" 2>/dev/null; }
stop_all() {
  for pid in "${started[@]}"; do kill -9 "$pid" 2>/dev/null; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
  started=()
}
trap stop_all EXIT

wait_for_window() { # pid
  local pid=$1
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --pid "$pid" --name '^Pigmentrix' >/dev/null 2>&1 && return 0
    running "$pid" || return 1
    sleep 0.1
  done
  return 1
}

# A second start ends at once with code 0 and leaves the first running.
"$program" & first=$!; started+=("$first")
check "the first start shows its window" wait_for_window "$first"
timeout 10 "$program"; second_rc=$?
check "a second start ends with code 0" test "$second_rc" -eq 0
check "the first start keeps running" running "$first"

# /multi runs beside it.
"$program" /multi & multi=$!; started+=("$multi")
check "a /multi start runs side by side" wait_for_window "$multi"
stop_all

# Twenty simultaneous starts leave exactly one.
pids=()
for _ in $(seq 1 20); do "$program" & pids+=($!); done
started+=("${pids[@]}")
for _ in $(seq 1 150); do
  alive=0
  for pid in "${pids[@]}"; do running "$pid" && alive=$((alive + 1)); done
  [[ $alive -le 1 ]] && break
  sleep 0.1
done
sleep 1
alive=()
for pid in "${pids[@]}"; do running "$pid" && alive+=("$pid"); done
check "twenty simultaneous starts leave exactly one running" test "${#alive[@]}" -eq 1

# A killed instance never blocks the next start.
kill -9 "${alive[@]}" 2>/dev/null
wait "${alive[@]}" 2>/dev/null
"$program" & after=$!; started+=("$after")
check "a start after kill -9 runs" wait_for_window "$after"

echo "$(( 5 - failures )) passed, $failures failed"
[[ $failures -eq 0 ]]
