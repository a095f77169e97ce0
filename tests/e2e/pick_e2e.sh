#!/usr/bin/env bash
# End to end under openbox: "pigmentrix /pick" without a picker running
# starts one in the background that picks, prints the code and stays, so
# the colour can still be pasted after the command has ended; with one
# running, that one picks; Escape and a right click give up with exit code
# 1; a colour beside /pick is refused with 2; with "Freeze Screen While
# Picking" the pick runs over the still screen. The pick shortcut set in
# the window's dialog starts a pick while another program has the focus,
# and a combination another program holds is refused in the dialog.
# Runs on the private X server of scripts/with-xvfb (1280 x 800).
# Usage: pick_e2e.sh PROGRAM X11_HOLD_KEY
set -uo pipefail
program=$1
hold_key=$2
source "$(dirname "$0")/e2e_lib.sh"
command -v openbox >/dev/null || { echo "openbox is not installed"; exit 1; }
openbox >"$TMPDIR/openbox.log" 2>&1 & pids+=($!)
xsetroot -solid '#123456' || { echo "the root window's colour could not be set"; exit 1; }
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
mkdir -p "$(dirname "$settings")"
printf '[Pigmentrix]\nAutoColorCopyafterGrab1_Checked=TRUE\ncbxDisplay_ItemIndex=0\nCheckNewVersion=FALSE\n' >"$settings"
# The openbox window that stands in the top-left corner keeps the pointer's
# spot free: the root shows #123456 everywhere the test points.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
eventually wm_running || { echo "openbox did not start"; cat "$TMPDIR/openbox.log"; exit 1; }

picking() { [[ -n $(xdotool search --onlyvisible --name '^Pigmentrix pick$' 2>/dev/null) ]]; }
not_picking() { ! picking; }
pickers() { pickers_here "$program" | wc -l; }
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
start_pick() { # output file, arguments...
  local out=$1; shift
  "$program" "$@" >"$out" 2>"$out.err" & command_pid=$!; pids+=("$command_pid")
}
end_of() { wait "$1"; }

# No picker runs: the command starts one in the background.
start_pick "$TMPDIR/first.out" /pick
check "without a running picker the command starts picking" eventually picking
xdotool mousemove 600 400 sleep 0.2 click 1
end_of "$command_pid"; rc=$?
check "a left click takes the colour: exit code 0" test "$rc" -eq 0
check "and the code goes to standard output" test "$(cat "$TMPDIR/first.out")" = "#123456"
[[ $(cat "$TMPDIR/first.out") == "#123456" ]] || echo "  it printed $(cat "$TMPDIR/first.out")"
check "the picker started for it keeps running" test "$(pickers)" -eq 1
check "the colour is still on the clipboard after the command ended" test "$(clipboard)" = "#123456"

# A picker runs: it picks.
xsetroot -solid '#A0B0C0'
start_pick "$TMPDIR/second.out" --PICK
check "with a running picker the command starts picking" eventually picking
main_window_hidden() { [[ -z $(xdotool search --onlyvisible --name '^Pigmentrix [0-9]' 2>/dev/null) ]]; }
check "the picker's window, minimised after the first pick, stays in the task bar" eventually main_window_hidden
xdotool mousemove 300 300 sleep 0.2 key Return
end_of "$command_pid"; rc=$?
check "Enter takes the colour: exit code 0" test "$rc" -eq 0
check "the running picker's code is printed" test "$(cat "$TMPDIR/second.out")" = "#A0B0C0"
check "and no second picker started" test "$(pickers)" -eq 1

start_pick "$TMPDIR/escape.out" /pick
eventually picking
xdotool key Escape
end_of "$command_pid"; rc=$?
check "Escape gives up: exit code 1" test "$rc" -eq 1
check "and prints nothing" test ! -s "$TMPDIR/escape.out"
check "and the clipboard keeps the last colour" test "$(clipboard)" = "#A0B0C0"

start_pick "$TMPDIR/right.out" /pick
eventually picking
xdotool mousemove 200 200 sleep 0.2 click 3
end_of "$command_pid"; rc=$?
check "a right click gives up: exit code 1" test "$rc" -eq 1
check "and ends the pick" eventually not_picking

"$program" /pick FF8000 >"$TMPDIR/colour.out" 2>&1; rc=$?
check "a colour beside /pick is an argument error: exit code 2" test "$rc" -eq 2
check "which says why" grep -q "give no COLOUR" "$TMPDIR/colour.out"

# The pick shortcut, set in the dialog of the picker's window.
picker=$(pickers_here "$program")
"$program" # a second start brings the window forward
window_shown() { window=$(xdotool search --all --onlyvisible --pid "$picker" --name '^Pigmentrix [0-9]' 2>/dev/null | head -n1); [[ -n $window ]]; }
check "a second start shows the background picker's window" eventually window_shown
# Out of the task bar, the window takes clicks where they aim once the
# window manager has made it the active one and framed it again.
window_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$window" ]]; }
eventually window_active
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
dialog_shown() { dialog=$(xdotool search --all --onlyvisible --pid "$picker" --name '^Pick Shortcut$' 2>/dev/null | head -n1); [[ -n $dialog ]]; }
dialog_gone() { ! dialog_shown; }
open_dialog() {
  xdotool mousemove --window "$window" 270 262 click 1 # the options button: the main menu
  sleep 0.5
  xdotool key --repeat "$PICK_SHORTCUT_ITEM" Down key Return
  eventually dialog_shown
}
PICK_SHORTCUT_ITEM=${PICK_SHORTCUT_ITEM:-13}
check "Pick Shortcut... in the main menu opens the dialog" open_dialog
dialog_focused() { [[ $(xdotool getactivewindow 2>/dev/null) == "$dialog" ]]; }
check "the dialog has the keys" eventually dialog_focused
xdotool key ctrl+alt+p
sleep 1.5 # the key editor takes a combination once no key follows for a second
xdotool key Return
check "OK with a free combination closes the dialog" eventually dialog_gone
stored_shortcut() { grep -q '^PickShortcut1_ShortCut=Ctrl+Alt+P$' "$settings"; }
check "and the combination is stored" eventually stored_shortcut

xmessage -geometry +700+500 "another program" >"$TMPDIR/xmessage.log" 2>&1 & pids+=($!)
other_focused() { xprop -id "$(xdotool getactivewindow 2>/dev/null)" WM_CLASS 2>/dev/null | grep -qi xmessage; }
check "another program has the focus" eventually other_focused
xsetroot -solid '#0A141E'
xdotool key ctrl+alt+p
check "the shortcut starts a pick while another program has the focus" eventually picking
xdotool mousemove 100 600 sleep 0.2 click 1
clipboard_is() { [[ $(clipboard) == "$1" ]]; }
check "and the click takes the colour" eventually clipboard_is "#0A141E"

# Another program holds Ctrl+Alt+O.
keycode=$(xmodmap -pke | awk '$4 == "o" { print $2; exit }')
"$hold_key" "$keycode" 12 >"$TMPDIR/hold.out" 2>&1 & pids+=($!)
held() { grep -q held "$TMPDIR/hold.out"; }
check "another program holds Ctrl+Alt+O" eventually held
xdotool windowactivate --sync "$window" || echo "the picker's window could not be activated"
check "the dialog opens again" open_dialog
check "the dialog has the keys" eventually dialog_focused
xdotool key ctrl+alt+o
sleep 1.5
xdotool key Return
sleep 1
check "a combination another program holds keeps the dialog open" dialog_shown
[[ -n ${SHOTS:-} ]] && import -window root "$SHOTS/taken.png"
xdotool key Escape
check "Cancel closes it" eventually dialog_gone
check "and the stored combination stays" stored_shortcut
xsetroot -solid '#1E140A'
xdotool key ctrl+alt+p
check "the old shortcut still picks" eventually picking
xdotool mousemove 100 600 sleep 0.2 key Return
check "and takes the colour" eventually clipboard_is "#1E140A"

# With "Freeze Screen While Picking" the pick runs over a still screen.
kill -TERM "$picker"
check "the background picker ends at SIGTERM" eventually ended "$picker"
sed -i 's/^FreezeScreenWhilePicking1_Checked=.*//; /^\[Pigmentrix\]/a FreezeScreenWhilePicking1_Checked=TRUE' "$settings"
still_screen() { # a window of the picker's over the whole screen
  local w
  for w in $(xdotool search --onlyvisible --class pigmentrix 2>/dev/null); do
    xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -q '^WIDTH=1280$' && return 0
  done
  return 1
}
xsetroot -solid '#334455'
start_pick "$TMPDIR/frozen.out" /pick
check "with Freeze Screen While Picking the pick shows the still screen" eventually still_screen
xdotool mousemove 640 300 sleep 0.3 click 1
end_of "$command_pid"; rc=$?
check "a click on it takes the colour: exit code 0" test "$rc" -eq 0
check "the code of the still screen's pixel is printed" test "$(cat "$TMPDIR/frozen.out")" = "#334455"
check "the picker of the still-screen pick ends at SIGTERM" stop_pickers_here "$program"
finish
