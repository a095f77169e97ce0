#!/usr/bin/env bash
# End to end: palette files through the real file dialogs. The names a
# palette file gives the slots come back after SIGTERM and a restart and go
# into a palette saved then; saving over an existing file asks first; a
# .plt of 17 colours says that it left one out. Runs on the private X server
# of scripts/with-xvfb.
# Usage: palette_e2e.sh PROGRAM
set -uo pipefail
program=$1
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini
files=$(mktemp -d)
source "$(dirname "$0")/e2e_lib.sh"

windows() { xdotool search --onlyvisible --pid "$picker" 2>/dev/null; }
picker_window() { xdotool search --onlyvisible --pid "$picker" --name '^Pigmentrix [0-9]' 2>/dev/null | head -n1; }
window_shown() { [[ -n $(picker_window) ]]; }
named() { xdotool search --onlyvisible --pid "$picker" --name "$1" 2>/dev/null | head -n1; }
shown() { [[ -n $(named "$1") ]]; }
gone() { [[ -z $(named "$1") ]]; }
start() { # starts the picker and waits for its window; sets $picker and $main
  "$program" & picker=$!
  pids+=("$picker")
  eventually window_shown
  main=$(picker_window)
}
# Clicks one of the palette buttons (load 57, save 78) and waits for its dialog.
palette_dialog() { # x, title
  xdotool mousemove --window "$main" "$1" 233 click 1
  eventually shown "^$2\$"
}
# Types a file name into the dialog just opened (which has the focus) and
# presses Enter.
choose() { # path
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$1"
  xdotool key Return
}
stored() { [[ -f $settings ]] && grep -qxF "$1" "$settings"; }
message_shown() { # a message box: captioned "Pigmentrix", and not the picker's window
  local w
  for w in $(xdotool search --onlyvisible --pid "$picker" --name '^Pigmentrix$' 2>/dev/null); do
    [[ $w != "$main" ]] && return 0
  done
  return 1
}

# --- the names of a palette file outlast a restart ---
printf 'GIMP Palette\nName: Named\n#\n255   0   0\tFire Red\n 34 139  34\tForest\n184 115  51\tCopper \xe2\x80\x9c\xc3\x9c\xe2\x80\x9d \xc3\xbcmlaut\n' \
  >"$files/named.gpl"
start
palette_dialog 57 "Load Palette"
choose "$files/named.gpl"
check "the loaded names reach the settings" eventually stored "mempan1_Name=Fire Red"
check "names beyond ASCII too" eventually stored "mempan3_Name=Copper “Ü” ümlaut"
kill -TERM "$picker"
check "SIGTERM ends the program" eventually ended "$picker"
start
palette_dialog 78 "Save Palette as"
choose "$files/again.gpl"
has_names() { [[ -f $files/again.gpl ]] && grep -qF "$(printf '\tForest')" "$files/again.gpl" \
  && grep -qF "$(printf '\tCopper \xe2\x80\x9c\xc3\x9c\xe2\x80\x9d \xc3\xbcmlaut')" "$files/again.gpl"; }
check "a palette saved after the restart holds the names" eventually has_names

# --- saving over an existing file asks ---
before=$(md5sum <"$files/again.gpl")
palette_dialog 78 "Save Palette as"
dialog=$(named '^Save Palette as$')
choose "$files/again.gpl"
# The question: a third window, which takes the keyboard.
asks() {
  local focus
  focus=$(xdotool getwindowfocus)
  [[ $(windows | wc -l) -ge 3 && $focus != "$dialog" && $focus != "$main" ]]
}
check "saving over an existing file asks first" eventually asks
xdotool key --clearmodifiers Escape
check "a No leaves the file as it was" test "$(md5sum <"$files/again.gpl")" = "$before"
back_in_dialog() { [[ $(windows | wc -l) -eq 2 && -n $(named '^Save Palette as$') ]]; }
check "a No goes back to the dialog" eventually back_in_dialog
kill -TERM "$picker"
check "SIGTERM ends the program with the dialog open" eventually ended "$picker"

# --- a .plt of 17 colours says what it left out ---
for i in $(seq 1 17); do printf '%d\r\n' "$i"; done >"$files/seventeen.plt"
start
palette_dialog 57 "Load Palette"
choose "$files/seventeen.plt"
check "a .plt of 17 colours says one was left out" eventually message_shown
check "and the slots take the first sixteen" eventually stored "mempan16_Color=16"

rm -rf "$files"
finish
