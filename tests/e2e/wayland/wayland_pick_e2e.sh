#!/usr/bin/env bash
# End to end on headless sway (run inside with-desktop): a key bound in
# sway's own configuration with "bindsym ... exec pigmentrix /pick", as the
# README tells sway users, picks through the desktop portal. Without a
# picker running the command starts one in the background, which freezes
# every output and takes the clicked pixel; with that picker running, a
# second press picks in it and Enter takes the colour under the pointer.
# The plain backgrounds of the outputs are #204080 and #C06010.
# Usage: wayland_pick_e2e.sh PROGRAM WAYLAND_INPUT E2E_LIB
set -uo pipefail
program=$1
source "$3"
source "$HARNESS/desktop_test_lib.sh"
read -r -a outputs <<<"$OUTPUTS"
first=${outputs[0]%%:*}
second=${outputs[1]%%:*}
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
mkdir -p "$(dirname "$settings")"
printf '[Pigmentrix]\ncbxDisplay_ItemIndex=0\nCheckNewVersion=FALSE\n' >"$settings"

codes=$TMPDIR/picked
: >"$codes"
swaymsg "bindsym F9 exec $program /pick >>$codes" >/dev/null || { echo "sway took no binding"; exit 1; }
pickers() { pickers_here "$program" | wc -l; }
all_frozen() { frozen_screens_are "${#outputs[@]}"; }
none_frozen() { frozen_screens_are 0; }
picked_lines_are() { [[ $(wc -l <"$codes") == "$1" ]]; }
picked_line() { sed -n "$1p" "$codes"; }
expect_picked() { # description line code
  check "$1" test "$(picked_line "$2")" = "$3"
  [[ $(picked_line "$2") == "$3" ]] || echo "  it printed $(picked_line "$2")"
}

check "no picker runs before the key" test "$(pickers)" -eq 0
step key f9
check "the bound key starts a picker that freezes every output" eventually all_frozen
sleep 0.3
step move "$first" 20 20 sleep 100 click left
check "a click takes the colour and the command prints its code" eventually picked_lines_are 1
expect_picked "the code is the first output's background" 1 "#204080"
check "the still screens go" eventually none_frozen
check "the picker started for the key keeps running" test "$(pickers)" -eq 1

step key f9
check "a second press picks in the running picker" eventually all_frozen
sleep 0.3
step move "$second" 380 280 sleep 100 key return
check "Enter takes the colour" eventually picked_lines_are 2
expect_picked "the code is the second output's background" 2 "#C06010"
check "and no second picker started" test "$(pickers)" -eq 1

check "the background picker ends at SIGTERM" stop_pickers_here "$program"
finish
