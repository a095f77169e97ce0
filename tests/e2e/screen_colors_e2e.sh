#!/usr/bin/env bash
# End to end under openbox: the eyedropper on a display with a colour
# profile published on the root window (_ICC_PROFILE), the root showing the
# device value #804020. Without a profile the colour is that value; with
# Display P3 published, even while the picker runs, it is the sRGB value
# transicc gives; a profile of tables is read like a matrix one; "Native"
# gives the device value; a profile that cannot be read leaves the device
# value and is said to be so once.
# Runs on the private X server of scripts/with-xvfb (started with -noreset,
# so the property stays when the client that set it leaves).
# Usage: screen_colors_e2e.sh PROGRAM MAKE_TABLE_PROFILE
set -uo pipefail
program=$1
make_table_profile=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"
display_p3=/usr/share/color/argyll/ref/DisplayP3.icm
for tool in openbox transicc /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done
[[ -f $display_p3 ]] || { echo "$display_p3 is not installed (argyll-ref)"; exit 1; }
openbox >"$TMPDIR/openbox.log" 2>&1 & pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
eventually wm_running || { echo "openbox did not start"; exit 1; }
xsetroot -solid '#804020' || { echo "the root window's colour could not be set"; exit 1; }
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
mkdir -p "$(dirname "$settings")"
printf '[Pigmentrix]\ncbxDisplay_ItemIndex=0\nCheckNewVersion=FALSE\n' >"$settings"

# A profile that cannot be published ends the case: every pick after it
# would test nothing.
publish() { /usr/bin/python3 "$here/set_root_property.py" _ICC_PROFILE "$1" || { echo "$1 not published"; exit 1; }; }
unpublish() { /usr/bin/python3 "$here/set_root_property.py" --delete _ICC_PROFILE || { echo "not removed"; exit 1; }; }
# The sRGB value transicc gives for a device value through a profile.
transicc_of() { # profile r g b
  printf '%s %s %s\n' "$2" "$3" "$4" | transicc -t1 -c0 -i "$1" 2>/dev/null |
    sed -n 's/^R=\([-0-9.]*\) G=\([-0-9.]*\) B=\([-0-9.]*\).*/\1 \2 \3/p' |
    awk '{ printf "#"; for (i = 1; i <= 3; i++) { v = int($i + 0.5); if ($i < 0) v = 0; if (v > 255) v = 255;
           printf "%02X", v }; print "" }'
}
picking() { [[ -n $(xdotool search --onlyvisible --name '^Pigmentrix pick$' 2>/dev/null) ]]; }
# What "pigmentrix /pick" prints for the pixel at (600, 400).
pick() {
  "$program" /pick >"$TMPDIR/pick.out" 2>"$TMPDIR/pick.err" &
  local command=$!
  pids+=("$command")
  eventually picking || echo "no pick started" >&2
  xdotool mousemove 600 400 sleep 0.3 key Return
  wait "$command"
  cat "$TMPDIR/pick.out"
}
expect_pick() { # description expected
  local got
  got=$(pick)
  check "$1" test "$got" = "$2"
  [[ $got == "$2" ]] || echo "  it picked $got, not $2"
}
stop_picker() {
  stop_pickers_here "$program" || { echo "a picker did not end at SIGTERM"; exit 1; }
}
set_setting() { # key value
  if grep -q "^$1=" "$settings"; then
    sed -i "s/^$1=.*/$1=$2/" "$settings"
  else
    sed -i "/^\[Pigmentrix\]/a $1=$2" "$settings"
  fi
}
message_shown() { window=$(xdotool search --onlyvisible --name '^Pigmentrix$' 2>/dev/null | head -n1); [[ -n $window ]]; }

expect_pick "without a profile the colour is the device value" "#804020"
publish "$display_p3"
p3_value=$(transicc_of "$display_p3" 128 64 32)
check "transicc gives #8A3B15 for it through Display P3" test "$p3_value" = "#8A3B15"
expect_pick "a profile published while the picker runs converts the next pick" "$p3_value"

"$make_table_profile" "$display_p3" "$TMPDIR/table.icc" || { echo "no table profile"; exit 1; }
check "the table profile is larger than one piece of the property" test "$(stat -c %s "$TMPDIR/table.icc")" -gt 65536
publish "$TMPDIR/table.icc"
expect_pick "a profile of tables converts as transicc does" "$(transicc_of "$TMPDIR/table.icc" 128 64 32)"

stop_picker
set_setting NativeScreenColors1_Checked TRUE
set_setting ConvertedScreenColors1_Checked FALSE
expect_pick "Native gives the device value" "#804020"

stop_picker
set_setting NativeScreenColors1_Checked FALSE
set_setting ConvertedScreenColors1_Checked TRUE
expect_pick "converted again after a restart" "$(transicc_of "$TMPDIR/table.icc" 128 64 32)"

printf 'acsp but not a profile' >"$TMPDIR/broken.icc"
publish "$TMPDIR/broken.icc"
expect_pick "a profile that cannot be read leaves the device value" "#804020"
check "and the picker says so" eventually message_shown
xdotool windowactivate --sync "$window" key Return 2>/dev/null
check "which a key closes" eventually test -z "$(xdotool search --onlyvisible --name '^Pigmentrix$' 2>/dev/null)"
expect_pick "the next pick leaves the device value too" "#804020"
sleep 0.5
check "without saying it again" test -z "$(xdotool search --onlyvisible --name '^Pigmentrix$' 2>/dev/null)"

unpublish
expect_pick "a profile taken away leaves the device value" "#804020"
stop_picker
finish
