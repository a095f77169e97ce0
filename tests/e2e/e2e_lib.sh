# Shared by the end-to-end scripts: checks that count, the processes a
# script started (stopped at its end), and waiting for a condition.
# shellcheck shell=bash
failures=0
passes=0
pids=()

check() { # description, command...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; passes=$((passes + 1)); else echo "FAILED: $what"; failures=$((failures + 1)); return 1; fi
}
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! running "$1"; }
# The "PROGRAM /pick" pickers of this test. Other tests run pickers of the
# same program at the same time, each in a runtime folder of its own.
pickers_here() { # program
  local pid
  for pid in $(pgrep -x -f "$1 /pick"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" && echo "$pid"
  done
}
stop_pickers_here() { # program: SIGTERM to each; false if one is still running 10 s later
  local pid
  for pid in $(pickers_here "$1"); do
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 1 200); do running "$pid" || break; sleep 0.05; done
    ended "$pid" || return 1
  done
}
cleanup() { for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done; }
trap cleanup EXIT

eventually() { # command...: true once the command succeeds within 10 s
  for _ in $(seq 1 100); do "$@" && return 0; sleep 0.1; done
  return 1
}

# The closing line, and the script's status.
finish() {
  echo "$passes passed, $failures failed"
  [[ $failures -eq 0 ]]
}
