#!/usr/bin/env bash
# End to end: closing hides the picker in the notification area, a click on
# the icon brings it back, "Exit" (Alt+F4) ends it; without a notification
# area a close ends the program. Runs on the private X server of
# scripts/with-xvfb, with trayer as the notification area.
# Usage: tray_e2e.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/e2e_lib.sh"
# The picker's window among the process's visible windows (the tray icon is
# one too): the one wider than an icon.
picker_window() {
  local w width
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | sed -n 's/^WIDTH=//p')
    [[ -n $width && $width -ge 200 ]] && { echo "$w"; return; }
  done
}
window_shown() { [[ -n $(picker_window "$1") ]]; }
window_hidden() { [[ -z $(picker_window "$1") ]]; }

click_close_button() { # pid: the close button sits at the bottom right of the design window
  local window
  window=$(picker_window "$1")
  xdotool mousemove --window "$window" 294 264 click 1
}

# --- with a notification area ---
trayer --edge top --align right --widthtype pixel --width 120 --height 32 --transparent false &
pids+=($!)
sleep 1
"$program" & picker=$!; pids+=("$picker")
check "the window opens" eventually window_shown "$picker"
icon=""
find_icon() {
  local w width
  for w in $(xdotool search --onlyvisible --pid "$picker" 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | sed -n 's/^WIDTH=//p')
    [[ -n $width && $width -lt 100 ]] && { icon=$w; return 0; }
  done
  return 1
}
check "the icon is in the notification area" eventually find_icon

click_close_button "$picker"
check "closing hides the window" eventually window_hidden "$picker"
check "the program keeps running" running "$picker"

# Clicks further apart than a double click; a double click counts as one.
xdotool mousemove --window "$icon" 5 5 click 1
check "a click on the icon shows the window" eventually window_shown "$picker"
sleep 0.6
xdotool mousemove --window "$icon" 5 5 click 1
check "a second click hides it again" eventually window_hidden "$picker"
sleep 0.6
xdotool mousemove --window "$icon" 5 5 click --repeat 2 --delay 80 1
check "a double click shows the window" eventually window_shown "$picker"
sleep 1
check "and leaves it shown" window_shown "$picker"

window=$(picker_window "$picker")
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --clearmodifiers alt+F4
check "Alt+F4 in the window runs Exit" eventually ended "$picker"
cleanup
pids=()

# --- without a notification area ---
"$program" & picker=$!; pids+=("$picker")
eventually window_shown "$picker"
click_close_button "$picker"
check "without a notification area closing ends the program" eventually ended "$picker"

cleanup
pids=()

# --- a notification area that appears after the start ---
"$program" & picker=$!; pids+=("$picker")
eventually window_shown "$picker"
trayer --edge top --align right --widthtype pixel --width 120 --height 32 --transparent false &
pids+=($!)
check "the icon moves into a notification area that appears later" eventually find_icon
click_close_button "$picker"
check "closing then hides the window" eventually window_hidden "$picker"
check "and the program keeps running" running "$picker"

cleanup
pids=()

# --- /autostart without a notification area ---
any_window() { [[ -n $(xdotool search --pid "$1" 2>/dev/null) ]]; }
"$program" /autostart & picker=$!; pids+=("$picker")
check "/autostart without a notification area still makes a window" eventually any_window "$picker"
check "that a click can reach" eventually window_shown "$picker"

finish
