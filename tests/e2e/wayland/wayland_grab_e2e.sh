#!/usr/bin/env bash
# End to end on a Wayland desktop (run inside with-sway): the eyedropper
# takes a still picture through the desktop portal and picks known colours
# on both outputs, the one at scale 1 and the one at scale 2, exactly and
# with averaging; Escape and a right click give the colour from before back;
# the arrow keys move the picking point one physical pixel.
# Usage: wayland_grab_e2e.sh PROGRAM WAYLAND_INPUT E2E_LIB
set -uo pipefail
program=$1
input_helper=$2
source "$3"

export QT_QPA_PLATFORM=wayland
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
# The outputs' backgrounds (with-sway): HEADLESS-1 at 0,0 (800 x 600, scale
# 1), HEADLESS-2 at 800,0 (400 x 300 logical, scale 2).
blue=204080
orange=C06010

coproc INPUT { "$input_helper" --layout 1200x600 -; }
pids+=("$INPUT_PID")
step() { echo "$*" >&"${INPUT[1]}"; local answer; read -r answer <&"${INPUT[0]}"; [[ $answer == ok ]]; }

picker=""
window_x=""
window_y=""
start_picker() {
  "$program" >/dev/null 2>&1 & picker=$!; pids+=("$picker")
  find_window() {
    read -r window_x window_y < <(swaymsg -t get_tree | jq -r '.. | objects
      | select(.app_id? == "org.pigmentrix.Pigmentrix" and .fullscreen_mode == 0)
      | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)"')
    [[ -n $window_x ]]
  }
  eventually find_window
  sleep 0.5
}
stop_picker() { kill -TERM "$picker"; wait "$picker" 2>/dev/null; }

frozen_screens() { # how many still screens cover the outputs
  swaymsg -t get_tree | jq '[.. | objects | select(.app_id? == "org.pigmentrix.Pigmentrix" and .fullscreen_mode == 1)] | length'
}
both_frozen() { [[ $(frozen_screens) == 2 ]]; }
none_frozen() { [[ $(frozen_screens) == 0 ]]; }

# The grab button sits at (326, 126) of the window.
begin_grab() {
  step move $((window_x + 326)) $((window_y + 126)) sleep 100 click left
  eventually both_frozen && sleep 0.5
}

# The colour as the settings file has it, as RRGGBB (the file keeps the
# colour as a number with red in the low byte).
stored_color() {
  local value
  value=$(sed -n 's/^pnlColor_Color=//p' "$settings" 2>/dev/null)
  [[ -n $value ]] || return 1
  printf '%02X%02X%02X' $((value & 255)) $(((value >> 8) & 255)) $(((value >> 16) & 255))
}
color_is() { [[ "$(stored_color)" == "$1" ]]; }

start_picker
begin_grab
check "a press on the grab button freezes both outputs" both_frozen
step move 100 100 sleep 100 click left
check "a click on the scale-1 output takes its colour" eventually color_is $blue
check "and the still screens go" eventually none_frozen
check "the screenshot file is removed once read" test ! -e /tmp/out.png

begin_grab
step move 1000 100 sleep 100 click left
check "a click on the scale-2 output takes its colour" eventually color_is $orange

begin_grab
step move 100 100 sleep 300
check "moving the pointer over the still screen follows the colour" eventually color_is $blue
step key escape
check "Escape gives the colour from before back" eventually color_is $orange
check "and ends the grab" eventually none_frozen

begin_grab
step move 100 100 sleep 300 click right
check "a right click gives the colour from before back" eventually color_is $orange

# 799 is the scale-1 output's last column: image pixels 1598 and 1599 are
# blue, 1600 is the scale-2 output's first.
step move 1000 100 sleep 100
begin_grab
step move 799 100 sleep 300 key right
check "an arrow key moves the picking point one pixel" eventually color_is $blue
step key right sleep 100 key return
check "and Enter takes the colour there" eventually color_is $orange
check "and ends the grab" eventually none_frozen

stop_picker
# The file holds only what changed: the two ticks go in whether it has them yet or not.
mkdir -p "$(dirname "$settings")"
touch "$settings"
sed -i '/^Off1_Checked=/d; /^N3x3Average1_Checked=/d' "$settings"
grep -q '^\[Pigmentrix\]$' "$settings" || printf '[Pigmentrix]\n' >>"$settings"
sed -i 's/^\[Pigmentrix\]$/[Pigmentrix]\nOff1_Checked=FALSE\nN3x3Average1_Checked=TRUE/' "$settings"
start_picker
begin_grab
# A quarter pixel into the scale-2 output is image pixel 1600: of the 3 x 3
# block one column is blue and two are orange, each mean truncated.
step move 800.25 100 sleep 100 click left
check "a 3x3 average across the two outputs is exact" eventually color_is 8A5535

stop_picker
finish
