#!/usr/bin/env bash
# End to end: nothing the user set is lost however the session ends. A
# setting changed by its shortcut reaches the settings file by itself within
# about a second; SIGTERM, SIGINT and SIGHUP end the program as an accepted
# close (exit status 0, the instance lock let go); after kill -9 or with the
# X server gone the file still holds the change. Runs on the private X
# server of scripts/with-xvfb; the X-server case starts one more of its own.
# Usage: session_end_e2e.sh PROGRAM
set -uo pipefail
program=$1
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
source "$(dirname "$0")/e2e_lib.sh"
picker_window() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n1; }
window_shown() { [[ -n $(picker_window "$1") ]]; }
window_width() { xdotool getwindowgeometry --shell "$(picker_window "$1")" | sed -n 's/^WIDTH=//p'; }
stored_layout() { [[ -f $settings ]] && grep -qx "layout=$1" "$settings"; }
press() { # pid, keys
  local window
  window=$(picker_window "$1")
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --clearmodifiers "$2"
}
start() { # args...: starts the picker, waits for its window; sets $picker
  "$program" "$@" & picker=$!
  pids+=("$picker")
  eventually window_shown "$picker"
}
exit_status() { # pid: waits for it, prints its exit status
  wait "$1" 2>/dev/null
  echo $?
}

# --- SIGTERM, as at a logout ---
start
press "$picker" ctrl+b
check "a changed setting reaches the file by itself" eventually stored_layout 0
kill -TERM "$picker"
check "SIGTERM ends the program" eventually ended "$picker"
check "with exit status 0" test "$(exit_status "$picker")" = 0
start
check "the next start is the first instance again and opens its window" window_shown "$picker"
check "and comes back in the layout chosen before" test "$(window_width "$picker")" -lt 300

# --- SIGINT and SIGHUP end it the same way ---
for signal in INT HUP; do
  press "$picker" ctrl+n
  eventually stored_layout 1
  kill -"$signal" "$picker"
  check "SIG$signal ends the program" eventually ended "$picker"
  check "SIG$signal: exit status 0" test "$(exit_status "$picker")" = 0
  start
  check "SIG$signal: the layout is there at the next start" stored_layout 1
  press "$picker" ctrl+m
  eventually stored_layout 2
done

# --- kill -9: nothing runs at the end, the file was written before ---
press "$picker" ctrl+b
check "the change is written within about a second" eventually stored_layout 0
kill -9 "$picker"
wait "$picker" 2>/dev/null
check "after kill -9 the file holds the change" stored_layout 0
start
check "and the next start shows it" test "$(window_width "$picker")" -lt 300
kill -TERM "$picker"
eventually ended "$picker"

# --- the X server goes away ---
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
pids+=("$xvfb")
eventually test -s "$displayfile"
own_display=:$(tr -d '[:space:]' <"$displayfile")
rm -f "$displayfile"
DISPLAY=$own_display "$program" & picker=$!
pids+=("$picker")
DISPLAY=$own_display eventually window_shown "$picker"
DISPLAY=$own_display press "$picker" ctrl+n
check "on the second display the change is written" eventually stored_layout 1
kill -9 "$xvfb"
check "the program ends with its X server" eventually ended "$picker"
check "and the file still holds the change" stored_layout 1

finish
