# shellcheck shell=bash
# Headless KWin (KDE Plasma 5.27) for with-desktop: Virtual-0 at scale 1
# and Virtual-1 at scale 2 to its right; the portal's KDE backend. Nothing
# draws a background. The functions the tests use are those of
# desktop_sway.sh; KWin scripts tell where windows are.
#
# KDE's portal builds its screenshot dialog from QML even when it shows
# none, from modules that only the plasma-workspace package ships:
# scripts/install-deps keeps the two it needs in KDE_PORTAL_QML.
KDE_PORTAL_QML=/usr/local/lib/pigmentrix-tests/qml
DESKTOP_TOOLS=(kwin_wayland kscreen-doctor xdotool)
DESKTOP_PROGRAMS=(/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde
                  "$KDE_PORTAL_QML/org/kde/plasma/workspace/dialogs"
                  "$KDE_PORTAL_QML/org/kde/plasma/lookandfeel")
DESKTOP_SERVICES=()
# KWin's fake input rounds positions to whole logical pixels.
POINTER_FRACTIONS=0
PATTERN_OPTIONS=()

start_desktop() {
  export XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
  # The portal saves its pictures there first.
  mkdir -p "$HOME/Pictures"
  # The installed kwin_wayland carries a file capability that sandboxes
  # without it refuse to run; a copy has none.
  cp /usr/bin/kwin_wayland "$work/kwin_wayland" || return 1
  # KWin lets only programs its desktop files name use its fake input.
  cat >"$XDG_DATA_HOME/applications/wayland-input.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Test input
Exec=$WAYLAND_INPUT
NoDisplay=true
X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input
ENTRY
  export WAYLAND_DISPLAY=wayland-kde
  QT_LOGGING_RULES='kwin_scripting=true' "$work/kwin_wayland" --socket "$WAYLAND_DISPLAY" --virtual \
    --width 800 --height 600 --output-count 2 --no-lockscreen >"$work/kwin.log" 2>&1 &
  wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || return 1
  wait_for has_name org.kde.KWin || return 1
  kscreen-doctor output.Virtual-1.scale.2 >"$work/kscreen.log" 2>&1 || { cat "$work/kscreen.log" >&2; return 1; }
  wait_for kwin_script '"ready"' || return 1
  OUTPUTS="Virtual-0:0,0,800,600:1 Virtual-1:800,0,400,300:2"
}

start_portals() {
  QML2_IMPORT_PATH=$KDE_PORTAL_QML /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde \
    >"$work/portal-kde.log" 2>&1 &
  wait_for has_name org.freedesktop.impl.portal.desktop.kde || return 1
  start_portal kde
}

# Runs a KWin script and prints what it prints; KWin's log has it. Each
# script has a name of its own (callers run in subshells, too).
kwin_script() {
  local name="test${BASHPID}_${RANDOM}${RANDOM}" answer
  local file="$DESKTOP_WORK/tmp/kwin-script-$name.js"
  echo "print('$name=' + ($1));" >"$file"
  gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.loadScript \
    "$file" "$name" >/dev/null || return 1
  gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.start >/dev/null ||
    return 1
  local _
  for _ in $(seq 1 500); do
    answer=$(grep -a -o "$name=.*" "$DESKTOP_WORK/kwin.log" | head -n1) && [[ -n $answer ]] && break
    sleep 0.01
  done
  gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.unloadScript \
    "$name" >/dev/null
  [[ -n $answer ]] || return 1
  echo "${answer#"$name="}"
}

picker_clients='workspace.clientList().filter(c => c.resourceClass == "org.pigmentrix.Pigmentrix")'

picker_window() {
  # Away from where the tests pick; without a decoration the frame is the
  # window.
  kwin_script "$picker_clients.filter(c => !c.fullScreen).map(c => {
    c.frameGeometry = {x: 100, y: 250, width: c.frameGeometry.width, height: c.frameGeometry.height};
    return 'Virtual-0 ' + c.frameGeometry.x + ' ' + c.frameGeometry.y; })[0]"
}

frozen_screens() {
  kwin_script "$picker_clients.filter(c => c.fullScreen).length"
}

picker_windows() {
  kwin_script "$picker_clients.length"
}

input_command() {
  local output arguments=()
  for output in $OUTPUTS; do arguments+=(--output "$output"); done
  echo "$WAYLAND_INPUT" "${arguments[@]}" -
}

picture_leftovers() {
  ls "$HOME"/Pictures/Screenshot_*.png 2>/dev/null
}

# Without a Pictures folder KDE's portal cannot save its picture and
# answers "cancelled".
refuse_pictures() {
  rm -rf "$HOME/Pictures"
}
