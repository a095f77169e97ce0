#!/usr/bin/env bash
# The desktop session of with-desktop, as its user: the folders of a fresh
# user, the buses, PipeWire, the compositor (desktop_NAME.sh), the portal,
# then the command. Any set-up step that fails ends the session with 1.
# Usage: desktop_session.sh WORK DESKTOP ASK_PERMISSION COMMAND [ARGS...]
set -uo pipefail
work=$1
desktop=$2
ask_permission=$3
shift 3
export HARNESS=$work/files
# Where the desktop keeps its logs, which some desktops' functions read.
export DESKTOP_WORK=$work
# The input helper, where the command brought it.
export WAYLAND_INPUT=$HARNESS/wayland_input
export DESKTOP=$desktop DESKTOP_CONTROL=$HARNESS/desktop_$desktop.sh
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_SESSION_TYPE=wayland TMPDIR=$work/tmp
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications" "$TMPDIR"
mkdir -m 0700 "$XDG_RUNTIME_DIR"

fail() {
  echo "with-desktop: $*" >&2
  exit 1
}

# Waits up to 30 s for a command to succeed.
wait_for() {
  local _
  for _ in $(seq 1 300); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

has_name() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner "$1" | grep -q true
}

# A bus that starts only the services named, from the system's service
# files: the desktop's own, not every backend that happens to be installed.
start_bus() { # socket services...
  local socket=$1 services=$work/services-$(basename "$1") service
  shift
  mkdir -p "$services"
  for service in "$@"; do
    [[ -f /usr/share/dbus-1/services/$service.service ]] || fail "no D-Bus service $service"
    ln -s "/usr/share/dbus-1/services/$service.service" "$services/"
  done
  cat >"$work/$(basename "$socket").conf" <<CONF
<busconfig>
  <type>session</type>
  <listen>unix:path=$socket</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
  dbus-daemon --config-file="$work/$(basename "$socket").conf" --nofork --nopidfile \
    >"$work/$(basename "$socket").log" 2>&1 &
  wait_for test -S "$socket" || fail "the bus on $socket did not start"
}

# The desktop portal with the backends of this desktop only.
start_portal() { # backend...
  local backend
  mkdir -p "$work/portals"
  for backend in "$@"; do
    ln -s "/usr/share/xdg-desktop-portal/portals/$backend.portal" "$work/portals/"
  done
  export XDG_DESKTOP_PORTAL_DIR=$work/portals
  /usr/libexec/xdg-desktop-portal >"$work/portal.log" 2>&1 &
  wait_for has_name org.freedesktop.portal.Desktop || fail "the desktop portal did not start"
}

set_screenshot_permission() { # yes or no
  gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
    --object-path /org/freedesktop/impl/portal/PermissionStore \
    --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
    screenshot true screenshot "" "['$1']" >"$work/permission.log" 2>&1 ||
    fail "the screenshot permission could not be set: $(cat "$work/permission.log")"
}

# shellcheck source=desktop_sway.sh
source "$DESKTOP_CONTROL"

start_bus "$XDG_RUNTIME_DIR/bus" org.freedesktop.impl.portal.PermissionStore ca.desrt.dconf "${DESKTOP_SERVICES[@]}"
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
# Without a system bus some desktops wait a minute for logind and friends.
start_bus "$XDG_RUNTIME_DIR/system_bus"
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/system_bus

pipewire >"$work/pipewire.log" 2>&1 &
wait_for test -S "$XDG_RUNTIME_DIR/pipewire-0" || fail "PipeWire did not start"

start_desktop || fail "the $desktop desktop did not start"
dbus-update-activation-environment WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE XDG_DATA_HOME \
  HOME XDG_CONFIG_HOME >"$work/environment.log" 2>&1 || fail "the bus environment could not be set"
start_portals || fail "the portal backends of $desktop did not start"
if [[ $ask_permission == 0 ]]; then
  # The user of this desktop has allowed programs to take screenshots.
  set_screenshot_permission yes
fi
export OUTPUTS
"$@"
