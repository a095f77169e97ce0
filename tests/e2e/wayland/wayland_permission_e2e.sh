#!/usr/bin/env bash
# End to end on GNOME before the user has answered its question whether
# programs may take screenshots (run inside with-desktop gnome
# --ask-screenshot-permission): the portal gives no answer, and the grab
# must not hang. The picker says what happened and what to do, and the
# colour stays. (GNOME keeps its question up after the portal gave up on
# it, so one grab is all a session shows; giving up a waiting grab is the
# widget tests'.)
# Usage: wayland_permission_e2e.sh PROGRAM WAYLAND_INPUT E2E_LIB
set -uo pipefail
program=$1
source "$3"
source "$HARNESS/desktop_test_lib.sh"
export QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1
settings=$XDG_CONFIG_HOME/Pigmentrix/Pigmentrix.ini

"$program" /allowclose '#123456' >"$TMPDIR/picker.log" 2>&1 & picker=$!; pids+=("$picker")
within 30 placed || { echo "the picker's window did not show"; exit 1; }
sleep 0.5
# The colour as the settings file has it, where it has it: #123456 from
# the command line, red in the low byte.
stored() { sed -n 's/^pnlColor_Color=//p' "$settings" 2>/dev/null; }
unchanged() { [[ -z $(stored) || $(stored) == $((0x563412)) ]]; }

# The desktop's question stays unanswered; the portal never answers.
press_grab
check "the picker says that the desktop did not answer, and what to do" within 45 picker_windows_are 2 \
  || { echo "  the picker has $(picker_windows) windows; it printed:"; sed 's/^/  /' "$TMPDIR/picker.log"; }
check "nothing froze" frozen_screens_are 0
check "the colour is as it was" unchanged
# GNOME's question, still up, has the keys first.
step key escape sleep 500 key return
check "the message closes" within 10 picker_windows_are 1
check "and the picker still runs" running "$picker"

kill -TERM "$picker"
wait "$picker" 2>/dev/null
finish
