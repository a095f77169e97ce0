#!/usr/bin/env bash
# End to end on a Wayland desktop (run inside with-desktop): each output
# shows a pattern in which every device pixel tells where it is, so a
# blend, a neighbour or a shifted read shows. The eyedropper freezes every
# output and takes exact pixels of each, at scale 1 and 2 (odd physical
# pixels included); the arrow keys step one pixel of the output under the
# pointer; Enter takes, Escape and a right click give up; a pointer that
# jumps to the other output in one move takes the picking point along; a
# 3x3 mean across the outputs' border is exact; where the desktop refuses
# its picture, its own picker takes the colour and the picker says so.
# Usage: wayland_grab_e2e.sh PROGRAM WAYLAND_INPUT E2E_LIB [PLATFORM]
# PLATFORM: Qt's, wayland unless given; xcb runs the picker through XWayland.
set -uo pipefail
program=$1
source "$3"
source "$HARNESS/desktop_test_lib.sh"
export QT_QPA_PLATFORM=${4:-wayland}
# No title bar drawn by the program itself: its window's corner is its
# client area's.
export QT_WAYLAND_DISABLE_WINDOWDECORATION=1
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
[[ $QT_QPA_PLATFORM == xcb ]] && POINTER_FRACTIONS=0 # X programs see whole pixels only

read -r -a outputs <<<"$OUTPUTS"
name_of() { echo "${1%%:*}"; }
geometry_of() { local rest=${1#*:}; echo "${rest%:*}" | tr , ' '; }
scale_of() { echo "${1##*:}"; }
first=$(name_of "${outputs[0]}")
second=$(name_of "${outputs[1]}")
read -r _ _ first_width _ < <(geometry_of "${outputs[0]}")
second_scale=$(scale_of "${outputs[1]}")

# The pattern's pixel (x, y) of output i, as RRGGBB.
tags=(64 192)
own() { # output x y
  printf '%02X%02X%02X' $((($2 * 97) & 255)) $((($3 * 89) & 255)) "${tags[$1]}"
}

for i in 0 1; do
  read -r x y _ < <(geometry_of "${outputs[$i]}")
  python3 "$HARNESS/pattern_window.py" $((x + 10)) $((y + 10)) "${tags[$i]}" "${PATTERN_OPTIONS[@]}" \
    >"$TMPDIR/pattern-$i.log" 2>&1 &
  pids+=($!)
done
patterns_shown() { grep -q shown "$TMPDIR/pattern-0.log" && grep -q shown "$TMPDIR/pattern-1.log"; }
eventually patterns_shown || { echo "the patterns did not show"; cat "$TMPDIR"/pattern-*.log; exit 1; }

picker=""
start_picker() {
  "$program" >>"$TMPDIR/picker.log" 2>&1 & picker=$!; pids+=("$picker")
  eventually placed || { echo "the picker's window did not show"; exit 1; }
  sleep 0.5
}
# The desktop may list the ended picker's window a while longer; the next
# picker's window is found only once it is gone.
stop_picker() {
  kill -TERM "$picker"
  wait "$picker" 2>/dev/null
  eventually picker_windows_are 0 || { echo "the desktop still lists the ended picker's window"; exit 1; }
}

frozen_count() { frozen_screens 2>/dev/null; }
all_frozen() { [[ $(frozen_count) == "${#outputs[@]}" ]]; }
none_frozen() { [[ $(frozen_count) == 0 ]]; }
no_leftovers() { [[ -z $(picture_leftovers) ]]; }

begin_grab() {
  press_grab
  if eventually all_frozen; then
    sleep 0.3
  else
    check "a press on the grab button freezes every output" false
  fi
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
expect_color() { # description RRGGBB
  check "$1" eventually color_is "$2"
  color_is "$2" || echo "  the colour is $(stored_color), not $2"
}

start_picker
begin_grab
check "a press on the grab button freezes every output" all_frozen
step move "$first" 100 100 sleep 100 click left
expect_color "a click on the scale-1 output takes its own pixel there" "$(own 0 100 100)"
check "and the still screens go" eventually none_frozen
check "no picture of the desktop is left on disk" no_leftovers

begin_grab
step move "$second" 30 40 sleep 100 click left
expect_color "a click on the scale-$second_scale output takes its own pixel there" \
  "$(own 1 $((30 * second_scale)) $((40 * second_scale)))"
taken=$(stored_color)

if [[ $POINTER_FRACTIONS == 1 ]]; then
  begin_grab
  step move "$second" 50.5 100.5 sleep 100 click left
  expect_color "half a point into the scale-2 output takes the odd physical pixel there" "$(own 1 101 201)"
  taken=$(stored_color)
fi

begin_grab
step move "$first" 100 100 sleep 300
expect_color "moving the pointer over the still screen follows the colour" "$(own 0 100 100)"
step key escape
expect_color "Escape gives the colour from before back" "$taken"
check "and ends the grab" eventually none_frozen

begin_grab
step move "$first" 100 100 sleep 300 click right
expect_color "a right click gives the colour from before back" "$taken"

begin_grab
step move "$first" $((first_width - 1)) 100 sleep 300 key right
expect_color "an arrow key from the first output's last column reaches the second output's first" \
  "$(own 1 0 100)"
step key left sleep 100 key left
expect_color "each arrow key steps one pixel of the output under the picking point" \
  "$(own 0 $((first_width - 2)) 100)"
step key return
check "and Enter takes the colour there" eventually none_frozen

# Through XWayland the keys stay with the output the picker's window is on
# (sway gives the keyboard to the output under the pointer), and one X
# window covers both outputs, so no jump between still screens happens.
if [[ $QT_QPA_PLATFORM != xcb ]]; then
  begin_grab
  step move "$first" 100 100 sleep 300
  step move "$second" 50.25 100.25 sleep 100 key right sleep 100 key down sleep 100 key return
  expect_color "a pointer that jumps to the other output in one move takes the picking point along" "$(own 1 101 201)"
fi

# The mean of the 3 x 3 block whose middle is the second output's first
# column: the first output's last column and the second's first two, each
# channel's mean truncated.
mean_across_border() {
  local red=0 green=0 blue=0 y pixel output x
  for y in 99 100 101; do
    for pixel in "0 $((first_width - 1))" "1 0" "1 1"; do
      read -r output x <<<"$pixel"
      red=$((red + ((x * 97) & 255)))
      green=$((green + ((y * 89) & 255)))
      blue=$((blue + tags[output]))
    done
  done
  printf '%02X%02X%02X' $((red / 9)) $((green / 9)) $((blue / 9))
}
# A value of the settings file's main section, in place or added to it
# (the file holds only what differs from the defaults).
set_setting() { # key value
  if grep -q "^$1=" "$settings"; then
    sed -i "s/^$1=.*/$1=$2/" "$settings"
  else
    sed -i "/^\[Pigmentrix\]/a $1=$2" "$settings"
  fi
}
stop_picker
set_setting Off1_Checked FALSE
set_setting N3x3Average1_Checked TRUE
start_picker
begin_grab
step move "$second" 0 50 sleep 300 click left
expect_color "a 3x3 mean across the two outputs' border is exact" "$(mean_across_border)"
stop_picker
set_setting Off1_Checked TRUE
set_setting N3x3Average1_Checked FALSE

# Where the desktop refuses its picture, its own picker takes the colour
# (one click) and the picker then says what happened, once.
if declare -F refuse_pictures >/dev/null; then
  start_picker
  refuse_pictures
  press_grab
  sleep 2
  step move "$first" 200 200 sleep 300 click left
  expect_color "without a picture of the desktop, the desktop's own picker takes the colour" "$(own 0 200 200)"
  check "no still screens come" none_frozen
  check "and the picker says why there was no magnifier" eventually picker_windows_are 2
  step key return
  check "which a key closes" eventually picker_windows_are 1
  stop_picker
fi

finish
