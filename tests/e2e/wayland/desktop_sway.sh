# shellcheck shell=bash
# Headless sway (wlroots) for with-desktop: HEADLESS-1 at scale 1 and
# HEADLESS-2 at scale 2 to its right, each with a plain background; the
# portal's wlroots and GTK backends. wlroots compositors hand programs each
# output's own picture (screencopy), the picker takes those.
#
# Every desktop file defines the same: what it needs (DESKTOP_TOOLS,
# DESKTOP_PROGRAMS, DESKTOP_SERVICES), start_desktop and start_portals for
# desktop_session.sh, and for the tests:
#   picker_window      "OUTPUT X Y": the picker window's client corner, in
#                      that output's logical pixels (placed first where the
#                      desktop lets the test place windows)
#   frozen_screens     how many still screens of the picker cover outputs
#   picker_windows     how many windows the picker shows
#   input_command      the command that drives the pointer and keyboard
#   picture_leftovers  pictures of the desktop left on disk
#   POINTER_FRACTIONS  1 where the pointer reaches fractions of a pixel
#   PATTERN_OPTIONS    how pattern_window.py covers an output here
DESKTOP_TOOLS=(sway swaymsg swaybg jq)
DESKTOP_PROGRAMS=(/usr/libexec/xdg-desktop-portal-wlr /usr/libexec/xdg-desktop-portal-gtk)
DESKTOP_SERVICES=()
POINTER_FRACTIONS=1
PATTERN_OPTIONS=()

start_desktop() {
  export XDG_CURRENT_DESKTOP=sway
  # Both outputs from the start, as a desktop with two monitors has them
  # (XWayland does not follow one added later everywhere).
  export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS=2
  cat >"$work/sway.conf" <<CONF
output HEADLESS-1 resolution 800x600 position 0 0 scale 1 bg #204080 solid_color
output HEADLESS-2 resolution 800x600 position 800 0 scale 2 bg #C06010 solid_color
exec_always sh -c 'echo "\$WAYLAND_DISPLAY \$DISPLAY" > $work/sway-ready'
CONF
  sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
  wait_for test -s "$work/sway-ready" || return 1
  read -r WAYLAND_DISPLAY DISPLAY <"$work/sway-ready"
  export WAYLAND_DISPLAY DISPLAY
  SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n1)
  export SWAYSOCK
  wait_for output_at_scale HEADLESS-2 2 || { echo "HEADLESS-2 is not at scale 2" >&2; return 1; }
  OUTPUTS="HEADLESS-1:0,0,800,600:1 HEADLESS-2:800,0,400,300:2"
}

output_at_scale() { # name scale
  [[ $(swaymsg -t get_outputs | jq -r --arg name "$1" '.[] | select(.name == $name) | "\(.scale) \(.rect.x)"') == "$2 800" ]]
}

start_portals() {
  /usr/libexec/xdg-desktop-portal-wlr >"$work/portal-wlr.log" 2>&1 &
  /usr/libexec/xdg-desktop-portal-gtk >"$work/portal-gtk.log" 2>&1 &
  start_portal wlr gtk
}

sway_views() { # jq filter on the picker's views
  swaymsg -t get_tree | jq "[.. | objects | select(.app_id? == \"org.pigmentrix.Pigmentrix\"
    or .window_properties?.instance? == \"pigmentrix\") | $1]"
}

picker_window() {
  # Away from where the tests pick.
  swaymsg '[app_id="org.pigmentrix.Pigmentrix"] move absolute position 100 250' >/dev/null 2>&1 ||
    swaymsg '[instance="pigmentrix"] move absolute position 100 250' >/dev/null 2>&1
  swaymsg -t get_tree | jq -r '.. | objects
    | select((.app_id? == "org.pigmentrix.Pigmentrix" or .window_properties?.instance? == "pigmentrix")
             and .fullscreen_mode == 0)
    | (.rect.x + .window_rect.x) as $x | (.rect.y + .window_rect.y) as $y
    | if $x < 800 then "HEADLESS-1 \($x) \($y)" else "HEADLESS-2 \($x - 800) \($y)" end' | head -n1
}

frozen_screens() {
  if [[ ${QT_QPA_PLATFORM:-} == xcb ]]; then
    x11_frozen_screens
  else
    sway_views 'select(.fullscreen_mode == 1)' | jq length
  fi
}

picker_windows() {
  sway_views 'select(.visible)' | jq length
}

# Through XWayland the still screens are one X window of their own over
# all outputs, which sway does not manage: the outputs inside the picker's
# visible X windows.
x11_frozen_screens() {
  local window output x y width height ox oy ow oh count=0
  for window in $(xdotool search --onlyvisible --classname pigmentrix 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/local_\1=/p')"
    x=$local_X y=$local_Y width=$local_WIDTH height=$local_HEIGHT
    for output in $OUTPUTS; do
      IFS=, read -r ox oy ow oh <<<"$(cut -d: -f2 <<<"$output")"
      ((ox >= x && oy >= y && ox + ow <= x + width && oy + oh <= y + height)) && count=$((count + 1))
    done
  done
  echo "$count"
}

input_command() {
  local output arguments=()
  for output in $OUTPUTS; do arguments+=(--output "$output"); done
  echo "$WAYLAND_INPUT" "${arguments[@]}" -
}

picture_leftovers() {
  ls /tmp/out.png 2>/dev/null
}
