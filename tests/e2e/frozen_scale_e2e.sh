#!/usr/bin/env bash
# End to end on X11 with "Freeze Screen While Picking", at the scale of
# QT_SCALE_FACTOR: the still screen takes the physical pixel under the
# pointer, odd ones included, as the live grab does. The root window shows
# a pattern in which every pixel tells where it is.
# Runs on the private X server of scripts/with-xvfb (1280 x 800).
# Usage: [QT_SCALE_FACTOR=2] frozen_scale_e2e.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/e2e_lib.sh"
scale=${QT_SCALE_FACTOR:-1}

own() { printf '%02X%02X80' $((($1 * 97) & 255)) $((($2 * 89) & 255)); }
python3 - "$TMPDIR/pattern.ppm" <<'PATTERN'
import sys
width, height = 1280, 800
with open(sys.argv[1], 'wb') as picture:
    picture.write(b'P6\n%d %d\n255\n' % (width, height))
    row = bytearray(width * 3)
    row[0::3] = bytes((x * 97) & 255 for x in range(width))
    row[2::3] = bytes([0x80]) * width
    for y in range(height):
        row[1::3] = bytes([(y * 89) & 255]) * width
        picture.write(row)
PATTERN
# display sets the root window's background and may end with 1 all the
# same: what counts is what the root shows.
display -window root "$TMPDIR/pattern.ppm" >"$TMPDIR/display.log" 2>&1
root_pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | tail -n1; }
[[ $(root_pixel 1001 301) == "$(own 1001 301)" ]] || { echo "the pattern is not on the root window"; cat "$TMPDIR/display.log"; exit 1; }

settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
mkdir -p "$(dirname "$settings")"
printf '[Pigmentrix]\nFreezeScreenWhilePicking1_Checked=TRUE\nCheckNewVersion=FALSE\n' >"$settings"
"$program" /allowclose >"$TMPDIR/picker.log" 2>&1 & picker=$!; pids+=("$picker")
window=""
find_window() {
  local w width
  for w in $(xdotool search --onlyvisible --pid "$picker" 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | sed -n 's/^WIDTH=//p')
    [[ -n $width && $width -ge 200 && $width -lt 1280 ]] && { window=$w; return 0; }
  done
  return 1
}
eventually find_window || { echo "the picker's window did not show"; exit 1; }
sleep 0.5
# Into the bottom left corner, below the points picked.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool windowmove --sync "$window" 0 $((800 - HEIGHT)) || { echo "the picker's window could not be moved"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
physical() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
button_x=$((X + $(physical 326)))
button_y=$((Y + $(physical 126)))

still_screens() { # how many still screens show: windows of the whole screen's size
  local w count=0
  for w in $(xdotool search --onlyvisible --pid "$picker" 2>/dev/null); do
    xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -q '^WIDTH=1280$' && count=$((count + 1))
  done
  echo "$count"
}
frozen() { [[ $(still_screens) == 1 ]]; }
thawed() { [[ $(still_screens) == 0 ]]; }
stored_color() {
  local value
  value=$(sed -n 's/^pnlColor_Color=//p' "$settings" 2>/dev/null)
  [[ -n $value ]] && printf '%02X%02X%02X' $((value & 255)) $(((value >> 8) & 255)) $(((value >> 16) & 255))
}
color_is() { [[ "$(stored_color)" == "$1" ]]; }

for point in "1001 201" "1000 200" "101 101" "1101 51"; do
  read -r x y <<<"$point"
  xdotool mousemove "$button_x" "$button_y" click 1
  if ! eventually frozen; then
    check "a click on the grab button freezes the screen" false
    continue
  fi
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool click 1
  check "at scale $scale the still screen takes physical pixel ($x, $y)" eventually color_is "$(own "$x" "$y")"
  color_is "$(own "$x" "$y")" || echo "  the colour is $(stored_color), not $(own "$x" "$y")"
  eventually thawed
done

kill -TERM "$picker"
wait "$picker" 2>/dev/null
finish
