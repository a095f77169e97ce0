#!/usr/bin/env bash
# End to end without any display: --help, -h and /? print the usage and end
# with status 0; a start says in plain words that it needs a display and
# ends with status 1, not with the platform's abort.
# Usage: no_display_e2e.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/e2e_lib.sh"
out=$(mktemp); err=$(mktemp)
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err"; }

for asked in --help -h '/?'; do
  headless "$asked"; status=$?
  check "$asked ends with status 0" test "$status" = 0
  check "$asked prints the usage" grep -q '^Usage: pigmentrix \[/multi\] \[/allowclose\] \[/autostart\] \[/notray\] \[COLOUR | /pick\]$' "$out"
done
headless; status=$?
check "a start without a display ends with status 1" test "$status" = 1
check "and says that it needs a display" grep -q 'needs a graphical display' "$err"
check "in its own words, not the platform's" test "$(grep -c 'platform plugin' "$err")" = 0
DISPLAY=:99999 "$program" >"$out" 2>"$err"; status=$?
check "a display that is not there: status 1" test "$status" = 1
check "and the display is named" grep -q 'the X display ":99999"' "$err"
rm -f "$out" "$err"
finish
