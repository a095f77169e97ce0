# shellcheck shell=bash
# Headless GNOME Shell for with-desktop: Meta-0 (800 x 600 at scale 1) and
# Meta-1 (1600 x 1200 at scale 2) to its right, in GNOME's usual physical
# layout; its portal backend. The functions the tests use are those of
# desktop_sway.sh. A small extension of the test's own lets the test ask
# the shell where windows are (its Eval), as GNOME's own tests do.
DESKTOP_TOOLS=(gnome-shell gsettings)
DESKTOP_PROGRAMS=(/usr/libexec/xdg-desktop-portal-gnome)
DESKTOP_SERVICES=(org.a11y.Bus)
POINTER_FRACTIONS=1
# No layer shell in GNOME: the pattern is a full-screen window, below the
# picker once the picker is active.
PATTERN_OPTIONS=(--fullscreen)

start_desktop() {
  export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_DESKTOP=gnome
  local extension=$XDG_DATA_HOME/gnome-shell/extensions/unsafe@pigmentrix.test
  mkdir -p "$extension"
  echo '{"uuid": "unsafe@pigmentrix.test", "name": "Tests", "description": "Lets tests ask where windows are",
         "shell-version": ["43"]}' >"$extension/metadata.json"
  echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }' \
    >"$extension/extension.js"
  local setting
  while read -r setting; do
    eval "gsettings set $setting" >>"$work/gsettings.log" 2>&1 || { echo "gsettings set $setting failed" >&2; return 1; }
  done <<'SETTINGS'
org.gnome.desktop.background picture-options 'none'
org.gnome.desktop.background primary-color '#204080'
org.gnome.shell welcome-dialog-last-shown-version '999'
org.gnome.desktop.interface enable-animations false
org.gnome.desktop.notifications show-banners false
org.gnome.desktop.lockdown disable-lock-screen true
org.gnome.desktop.session idle-delay 0
org.gnome.shell disable-user-extensions false
org.gnome.shell enabled-extensions "['unsafe@pigmentrix.test']"
SETTINGS
  export WAYLAND_DISPLAY=wayland-gnome
  gnome-shell --headless --wayland --no-x11 --wayland-display="$WAYLAND_DISPLAY" \
    --virtual-monitor 800x600 --virtual-monitor 1600x1200 >"$work/gnome-shell.log" 2>&1 &
  wait_for has_name org.gnome.Shell.Screenshot || return 1
  wait_for shell_eval 'global.context.unsafe_mode' || { echo "the shell does not answer Eval" >&2; return 1; }
  scale_second_monitor || return 1
  shell_eval 'Main.overview.hide()' >/dev/null || return 1
  # Clients see the scale-2 monitor's windows at 800 x 600 logical pixels.
  OUTPUTS="Meta-0:0,0,800,600:1 Meta-1:800,0,800,600:2"
}

# Prints what the shell's JavaScript gives back; fails where it fails.
shell_eval() {
  local answer
  answer=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
    --method org.gnome.Shell.Eval "$1") || return 1
  [[ $answer == "(true, "* ]] || return 1
  answer=${answer#(true, \'}
  answer=${answer%\')}
  # A string comes back as JSON.
  answer=${answer#\"}
  echo "${answer%\"}"
}

scale_second_monitor() {
  local state serial
  state=$(gdbus call --session --dest org.gnome.Mutter.DisplayConfig --object-path /org/gnome/Mutter/DisplayConfig \
    --method org.gnome.Mutter.DisplayConfig.GetCurrentState) || return 1
  serial=$(sed -E 's/^\(uint32 ([0-9]+),.*/\1/' <<<"$state")
  gdbus call --session --dest org.gnome.Mutter.DisplayConfig --object-path /org/gnome/Mutter/DisplayConfig \
    --method org.gnome.Mutter.DisplayConfig.ApplyMonitorsConfig "$serial" 1 \
    "[(0, 0, 1.0, 0, true, [('Meta-0', '800x600@60.000', {})]), (800, 0, 2.0, 0, false, [('Meta-1', '1600x1200@60.000', {})])]" \
    "{}" >"$work/monitors.log" 2>&1 || { cat "$work/monitors.log" >&2; return 1; }
  wait_for second_monitor_at_scale_2
}

second_monitor_at_scale_2() {
  gdbus call --session --dest org.gnome.Mutter.DisplayConfig --object-path /org/gnome/Mutter/DisplayConfig \
    --method org.gnome.Mutter.DisplayConfig.GetCurrentState |
    grep -q -E "\(800, 0, 2.0, (uint32 )?0, false, \[\('Meta-1'"
}

start_portals() {
  /usr/libexec/xdg-desktop-portal-gnome >"$work/portal-gnome.log" 2>&1 &
  wait_for has_name org.freedesktop.impl.portal.desktop.gnome || return 1
  start_portal gnome gnome-shell
}

picker_meta_window='global.display.list_all_windows().filter(w => w.get_wm_class() == "org.pigmentrix.Pigmentrix")'

picker_window() {
  # The window to a known place on Meta-0, above the pattern.
  shell_eval "let w = $picker_meta_window.find(w => !w.is_fullscreen()); w.move_frame(true, 100, 250);
    w.make_above(); w.activate(global.get_current_time()); 'moved'" >/dev/null || return 1
  shell_eval "let r = $picker_meta_window.find(w => !w.is_fullscreen()).get_frame_rect(); 'Meta-0 ' + r.x + ' ' + r.y"
}

frozen_screens() {
  shell_eval "'' + $picker_meta_window.filter(w => w.is_fullscreen()).length"
}

picker_windows() {
  shell_eval "'' + $picker_meta_window.length"
}

input_command() {
  local output arguments=()
  for output in $OUTPUTS; do arguments+=(--output "$output"); done
  echo python3 "$HARNESS/gnome_input.py" "${arguments[@]}" -
}

picture_leftovers() {
  ls "$HOME"/Screenshot*.png 2>/dev/null
}

# Screenshots refused: the portal then answers "other" at once.
refuse_pictures() {
  gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
    --object-path /org/freedesktop/impl/portal/PermissionStore \
    --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
    screenshot true screenshot "" "['no']" >/dev/null
}
