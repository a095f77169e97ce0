#!/usr/bin/env bash
# End to end: the picker as a screen reader finds it, through Qt's AT-SPI
# bridge on a private session bus and accessibility bus of its own: every
# control named, with its role and value; open menus in the tree; Tab in
# reading order; a slider and a palette slot driven by keys. Runs on the
# private X server of scripts/with-xvfb; skipped (77) only where the
# accessibility stack is not installed.
# Usage: accessibility_e2e.sh PROGRAM
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

python=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
[[ -n $python ]] || { echo "skipped: no Python with the AT-SPI bindings (python3-gi, gir1.2-atspi-2.0)"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "skipped: no dbus-run-session (dbus-daemon)"; exit 77; }
compgen -G "/usr/share/dbus-1/services/org.a11y.Bus.service" >/dev/null \
  || { echo "skipped: no accessibility bus (at-spi2-core)"; exit 77; }

if [[ -z ${PIGMENTRIX_PRIVATE_BUS:-} ]]; then
  PIGMENTRIX_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

source "$here/e2e_lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset NO_AT_BRIDGE
picker_window() { xdotool search --onlyvisible --pid "$picker" --name '^Pigmentrix [0-9]' 2>/dev/null | head -n1; }
window_shown() { [[ -n $(picker_window) ]]; }

"$program" & picker=$!
pids+=("$picker")
check "the window opens" eventually window_shown
check "the tree holds what a screen reader needs" "$python" "$here/accessibility_walk.py" "$(picker_window)" \
  "${QT_SCALE_FACTOR:-1}"
finish
