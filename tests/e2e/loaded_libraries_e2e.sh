#!/usr/bin/env bash
# End to end: a shown picker has loaded no library it does not use. The
# single-instance channel needs no network library (nor the proxy and
# Kerberos libraries that come with it), pictures drawn from PNGs need no
# SVG renderer, and no image plugin is asked to read them; colour management
# waits for a display profile (this X server publishes none). Runs on the
# private X server that scripts/with-xvfb gives it.
# Usage: loaded_libraries_e2e.sh PROGRAM
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"
program=$1
home=$(mktemp -d)
trap 'cleanup; rm -rf "$home"' EXIT

shown() { xdotool search --onlyvisible --pid "$1" --name '^Pigmentrix' >/dev/null 2>&1; }
not_mapped() { # pid, library pattern
  if grep -E -q "$2" "/proc/$1/maps"; then
    grep -E -o "/[^ ]*($2)[^ ]*" "/proc/$1/maps" | sort -u | sed 's/^/  mapped: /'
    return 1
  fi
}

HOME=$home XDG_CONFIG_HOME=$home/.config "$program" /multi & picker=$!; pids+=("$picker")
check "the picker shows its window" eventually shown "$picker"
check "no network library" not_mapped "$picker" 'libQt6Network|libproxy|libgssapi|libkrb5'
check "no SVG library" not_mapped "$picker" 'libQt6Svg|iconengines/'
check "no image plugin" not_mapped "$picker" 'imageformats/'
check "no colour management library" not_mapped "$picker" 'liblcms2'
finish
