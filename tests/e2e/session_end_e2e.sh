#!/usr/bin/env bash
# End to end: nothing the user set is lost however the session ends. A
# setting changed by its shortcut reaches the settings file by itself within
# about a second; SIGTERM, SIGINT and SIGHUP end the program as an accepted
# close (exit status 0, the instance lock let go), also while a message box
# is open; after kill -9 or with the X server gone the file still holds the
# change, also one made just before the server died; two pickers sharing the
# file keep each other's changes. Runs on the private X server of
# scripts/with-xvfb; the X-server cases start more of their own.
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
own_xvfb() { # starts an X server of its own; sets $xvfb and $own_display
  local displayfile
  displayfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  xvfb=$!
  pids+=("$xvfb")
  eventually test -s "$displayfile"
  own_display=:$(tr -d '[:space:]' <"$displayfile")
  rm -f "$displayfile"
}
own_xvfb
DISPLAY=$own_display "$program" & picker=$!
pids+=("$picker")
DISPLAY=$own_display eventually window_shown "$picker"
DISPLAY=$own_display press "$picker" ctrl+n
check "on the second display the change is written" eventually stored_layout 1
kill -9 "$xvfb"
check "the program ends with its X server" eventually ended "$picker"
check "and the file still holds the change" stored_layout 1

# --- the X server dies within the second before a change is written ---
# The change must not have reached the file by itself yet when the server
# goes: on a slow machine that can happen, and the round is tried again.
narrow() { [[ $(DISPLAY=$own_display window_width "$1") -lt 300 ]]; }
pending_seen=0
for _round in 1 2 3 4 5; do
  own_xvfb
  DISPLAY=$own_display "$program" & picker=$!
  pids+=("$picker")
  DISPLAY=$own_display eventually window_shown "$picker"
  DISPLAY=$own_display press "$picker" ctrl+b
  DISPLAY=$own_display eventually narrow "$picker"
  if stored_layout 0; then # written already: the round proves nothing
    kill -9 "$xvfb"; eventually ended "$picker"; wait "$picker" 2>/dev/null
    sed -i 's/^layout=0$/layout=1/' "$settings"
    continue
  fi
  kill -9 "$xvfb"
  pending_seen=1
  break
done
check "a change still pending when the X server dies was made" test "$pending_seen" = 1
check "the program ends with its X server" eventually ended "$picker"
check "and the file holds the change made just before" stored_layout 0

# --- two pickers over one settings file keep each other's changes ---
sed -i 's/^layout=0$/layout=1/' "$settings"
stored() { [[ -f $settings ]] && grep -qx "$1" "$settings"; }
"$program" /multi & first=$!; pids+=("$first")
eventually window_shown "$first"
"$program" /multi & second=$!; pids+=("$second")
eventually window_shown "$second"
press "$first" ctrl+alt+3
check "the first picker's change reaches the file" eventually stored "N3x3Average1_Checked=TRUE"
press "$second" ctrl+b
check "the second picker's change reaches the file" eventually stored_layout 0
check "and the first one's change is still there" stored "N3x3Average1_Checked=TRUE"
kill -TERM "$first" "$second"
eventually ended "$first"
eventually ended "$second"
check "both changes outlast both pickers" stored "N3x3Average1_Checked=TRUE"
check "both changes outlast both pickers (layout)" stored_layout 0

# --- SIGTERM while a message about an unwritable settings folder is open ---
# As an ordinary user: the superuser writes into a read-only folder all the
# same. The file itself stays writable, the folder is not.
as_user=()
user_home=$XDG_CONFIG_HOME
if [[ $(id -u) -eq 0 ]]; then
  user_home=$(mktemp -d)
  mkdir -m 0700 "$user_home/runtime"
  chown -R nobody:nogroup "$user_home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
  user_settings=$user_home/Pigmentrix/Pigmentrix.ini
  user_runtime=$user_home/runtime
else
  user_settings=$settings
  user_runtime=$XDG_RUNTIME_DIR
fi
"${as_user[@]}" mkdir -p "$(dirname "$user_settings")"
"${as_user[@]}" sh -c "printf '[Pigmentrix]\nlayout=2\n' > '$user_settings'"
chmod a-w "$(dirname "$user_settings")"
XDG_CONFIG_HOME=$user_home XDG_RUNTIME_DIR=$user_runtime HOME=$user_home "${as_user[@]}" "$program" & picker=$!
pids+=("$picker")
check "the picker starts for the user" eventually window_shown "$picker"
press "$picker" ctrl+b
two_windows() { [[ $(xdotool search --onlyvisible --pid "$picker" 2>/dev/null | wc -l) -ge 2 ]]; }
check "the failed write is reported in a message" eventually two_windows
kill -TERM "$picker"
check "SIGTERM ends the program at once, message or not" eventually ended "$picker"
check "with exit status 0" test "$(exit_status "$picker")" = 0
chmod u+w "$(dirname "$user_settings")"

finish
