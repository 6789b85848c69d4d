#!/usr/bin/env bash
# The program opens maximised on a real X display under a window manager, and
# File > Exit chosen from the keyboard ends it with exit code 0.
#   startup.sh SETTINGS_BINARY
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
settings=${1:?usage: startup.sh SETTINGS_BINARY}

e2e_init startup
e2e_start_display 1280x1024x24

e2e_spawn "$settings"
app=$E2E_PID
win=$(e2e_wait_window Setup 60 "$app") || e2e_fail "no window titled Setup appeared"

# Maximised means the frame fills the work area, not the screen: panels and
# struts are the window manager's to keep.
area=$(e2e_work_area)
for _ in {1..50}; do
    frame=$(e2e_frame_geometry "$win")
    [[ $frame == "$area" ]] && break
    sleep 0.1
done
[[ $frame == "$area" ]] || e2e_fail "window frame is '$frame' (x y w h), work area is '$area'"
state=$(xprop -id "$win" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] ||
    e2e_fail "window manager does not see the window as maximised: $state"

# Qt ignores synthetic keys sent to a window, so give it the focus and type
# at the display.
xdotool windowactivate --sync "$win"
xdotool key alt+f
for _ in {1..50}; do
    [[ -n $(e2e_popups "$app") ]] && break
    sleep 0.1
done
[[ -n $(e2e_popups "$app") ]] || e2e_fail "Alt+F did not open the File menu"
xdotool key e

e2e_wait_exit "$app" 10 || e2e_fail "File > Exit did not end the program within 10 s"
((E2E_RC == 0)) || e2e_fail "program exited with $E2E_RC after File > Exit"
e2e_log "ok"
