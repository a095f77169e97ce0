#!/usr/bin/env bash
# End to end under a window manager (openbox): a press on the window's body
# moves the window only while a button drags it; a plain click or the end of
# a drag leaves nothing stuck to the pointer; the fixed windows offer no
# minimise or maximise box; a restart puts the window exactly where it was.
# Runs on the private X server of scripts/with-xvfb, with a notification area
# (trayer) when WITH_TRAY is 1.
# Usage: [WITH_TRAY=1] window_manager_e2e.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/e2e_lib.sh"

command -v openbox >/dev/null || { echo "openbox is not installed"; exit 77; }
openbox >/dev/null 2>&1 & pids+=($!)
sleep 1
if [[ ${WITH_TRAY:-0} == 1 ]]; then
  trayer --edge top --align right --widthtype pixel --width 120 --height 32 --transparent false & pids+=($!)
  sleep 1
fi
"$program" & picker=$!; pids+=("$picker")
window=""
find_window() { # the picker's window, not its tray icon
  local w width
  for w in $(xdotool search --onlyvisible --pid "$picker" 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | sed -n 's/^WIDTH=//p')
    [[ -n $width && $width -ge 200 ]] && { window=$w; return 0; }
  done
  return 1
}
eventually find_window
# With a notification area: the icon is the picker's only window shown.
find_icon_only() {
  running "$picker" && ! find_window && [[ -n $(xdotool search --onlyvisible --pid "$picker" 2>/dev/null) ]]
}
sleep 0.5
place() { xwininfo -id "$window" | awk '/Absolute upper-left/ {printf "%s ", $4}'; }
# Qt places windows at logical pixels: at a fractional or doubled scale a
# window the window manager put on an odd physical pixel lands one pixel
# off once the program moves it. Exactly one physical pixel is allowed then.
scale=${QT_SCALE_FACTOR:-1}
slack=$([[ $scale == 1 ]] && echo 0 || echo 1)
physical() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
within() { local d=$(($1 - $2)); ((d <= slack && -d <= slack)); }
moved_by() { # before, dx, dy
  read -r x0 y0 <<<"$1"; read -r x1 y1 <<<"$(place)"
  within $((x1 - x0)) "$2" && within $((y1 - y0)) "$3"
}
near() { # place, place
  read -r x0 y0 <<<"$1"; read -r x1 y1 <<<"$2"
  within "$x1" "$x0" && within "$y1" "$y0"
}
moved() { [[ "$(place)" != "$1" ]]; }

start=$(place)
xdotool mousemove --window "$window" 1 1 click 1
sleep 0.3
xdotool mousemove_relative 100 80
sleep 0.5
check "a plain left click on the body leaves nothing stuck to the pointer" moved_by "$start" 0 0

drag() { # button: presses it on the body, moves the pointer by (60, 40), lets go
  xdotool mousemove --window "$window" 1 1 mousedown "$1"
  sleep 0.2
  xdotool mousemove_relative 30 20; sleep 0.2
  xdotool mousemove_relative 30 20; sleep 0.2
  xdotool mouseup "$1"
  sleep 0.3
}
stays_after_release() { # the pointer moves on with no button held
  local before
  before=$(place)
  xdotool mousemove_relative 100 80
  sleep 0.5
  moved_by "$before" 0 0
}

before=$(place)
drag 2
check "a middle-button drag moves the window with the pointer" eventually moved_by "$before" 60 40
check "and the window stays once the button is up" stays_after_release

before=$(place)
drag 1
check "a left-button drag moves the window" eventually moved "$before"
check "and the window stays once the button is up" stays_after_release

# --- fixed-size windows offer neither minimise nor maximise ---
# _MOTIF_WM_HINTS: flags, functions, decorations; functions 8 and 16 are
# minimise and maximise, decorations 32 and 64 their boxes.
no_min_max_boxes() { # window
  local hints
  hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
  read -r flags functions decorations _ <<<"$hints"
  (( (flags & 1) && !(functions & 24) && (flags & 2) && !(decorations & 96) ))
}
check "the main window has no minimise or maximise box" no_min_max_boxes "$window"
xdotool mousemove --window "$window" "$(physical 270)" "$(physical 262)" click 1 # the options button: the main menu
sleep 0.5
xdotool key Up Up Return # "About Pigmentrix..."
about=""
find_about() { about=$(xdotool search --onlyvisible --name '^About Pigmentrix' 2>/dev/null | head -n1); [[ -n $about ]]; }
check "the About window opens" eventually find_about
check "the About window has no minimise or maximise box" no_min_max_boxes "$about"
xdotool windowactivate --sync "$about" key --clearmodifiers Escape
sleep 0.5

# --- the window comes back exactly where it was left ---
restart() { # ends the picker as a logout does and starts it again
  kill -TERM "$picker"
  wait "$picker" 2>/dev/null
  "$program" & picker=$!; pids+=("$picker")
  eventually find_window
  sleep 0.5
}
left=$(place)
restart
check "after a restart the window is where it was left" near "$left" "$(place)"
first=$(place)
restart
check "and it does not creep at the next" test "$(place)" = "$first"

# --- /autostart: hidden in the notification area, minimised without one ---
kill -TERM "$picker"
wait "$picker" 2>/dev/null
"$program" /autostart & picker=$!; pids+=("$picker")
iconic() { # a window of the picker that the window manager holds minimised
  local w
  for w in $(xdotool search --pid "$picker" 2>/dev/null); do
    xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state: Iconic' && return 0
  done
  return 1
}
if [[ ${WITH_TRAY:-0} == 1 ]]; then
  check "/autostart with a notification area shows no window" eventually find_icon_only
else
  check "/autostart without a notification area starts minimised" eventually iconic
  check "and shows no window until it is restored" test -z "$(xdotool search --onlyvisible --pid "$picker" 2>/dev/null)"
fi

finish
