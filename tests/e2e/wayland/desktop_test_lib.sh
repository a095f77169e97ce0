# shellcheck shell=bash
# Shared by the end-to-end scripts that run inside with-desktop, after
# e2e_lib.sh: waits long enough for a loaded machine, the desktop's input
# driven a step at a time, and the picker's window.
# shellcheck source=desktop_sway.sh
source "$DESKTOP_CONTROL"

within() { # seconds command...: true once the command succeeds in time
  local tenths=$(($1 * 10)) _
  shift
  for _ in $(seq 1 "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}
eventually() { within 30 "$@"; }

# One pointer and keyboard for the whole run, as a user's.
coproc INPUT { eval "$(input_command)"; }
pids+=("$INPUT_PID")
step() { # steps of wayland_input
  echo "$*" >&"${INPUT[1]}"
  local answer
  read -r -t 60 answer <&"${INPUT[0]}"
  [[ $answer == ok ]]
}

picker_windows_are() { [[ $(picker_windows) == "$1" ]]; }
frozen_screens_are() { [[ $(frozen_screens) == "$1" ]]; }

# Where the picker's window is: window_output, window_x, window_y.
placed() { read -r window_output window_x window_y < <(picker_window) && [[ -n ${window_y:-} ]]; }
# The grab button's middle is at (326, 126) of the window.
press_grab() { step move "$window_output" $((window_x + 326)) $((window_y + 126)) sleep 100 click left; }
