#!/usr/bin/env bash
# End to end: what the desktop sees of the picker. Its window carries the
# program's icon and the class its desktop entry names; started where no
# session bus is named, it starts none (the D-Bus library would launch one
# for the X display, which outlives the picker). Runs on the private X
# server of scripts/with-xvfb.
# The entry passes desktop-file-validate and offers the action "Pick a
# Color".
# Usage: desktop_e2e.sh PROGRAM DESKTOP_ENTRY
set -uo pipefail
program=$1
entry=$2
source "$(dirname "$0")/e2e_lib.sh"
picker_window() { xdotool search --onlyvisible --pid "$picker" --name '^Pigmentrix [0-9]' 2>/dev/null | head -n1; }
window_shown() { [[ -n $(picker_window) ]]; }

# A dbus-launch found before the real one notes that it was asked.
fake=$(mktemp -d)
cat >"$fake/dbus-launch" <<FAKE
#!/bin/sh
touch "$fake/launched"
exit 1
FAKE
chmod +x "$fake/dbus-launch"
PATH=$fake:$PATH env -u DBUS_SESSION_BUS_ADDRESS "$program" & picker=$!
pids+=("$picker")
check "the window opens" eventually window_shown
window=$(picker_window)
check "the window has the program's icon" test -n "$(xprop -id "$window" _NET_WM_ICON | grep -m1 'Icon (')"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
check "the desktop entry names the window's class" \
  grep -q "\"$wm_class\"" <(xprop -id "$window" WM_CLASS)
kill -TERM "$picker"
check "SIGTERM ends the program" eventually ended "$picker"
check "no session bus was launched for the display" test ! -e "$fake/launched"
# dbus-launch (where it is installed) puts the bus's process on the root window.
check "and none announced on the X server" grep -qE 'not found|no such atom' <(xprop -root _DBUS_SESSION_BUS_PID)
rm -rf "$fake"

check "desktop-file-validate accepts the entry" desktop-file-validate "$entry"
check "the entry offers the action Pick a Color, which runs pigmentrix /pick" \
  test "$(sed -n '/^\[Desktop Action pick\]/,/^\[/{s/^Name=//p;s/^Exec=/Exec /p}' "$entry" | paste -sd'|')" \
  = "Pick a Color|Exec pigmentrix /pick"
check "and lists it among its actions" grep -qx 'Actions=pick;' "$entry"
finish
