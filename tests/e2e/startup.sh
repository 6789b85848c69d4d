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

# The photograph: 400 x 378 on the white page, centred on the window's
# outer size (frame included), below the menu bar.
read -r wx wy ww wh < <(e2e_geometry "$win")
read -r _ _ fw fh <<<"$frame"
expect_x=$((wx + (fw - 400) / 2))
expect_y=$((wy + (fh - 378) / 2))
shot=$E2E_TMP/page.png
for _ in {1..50}; do
    import -display "$DISPLAY" -window root "$shot" 2>/dev/null
    # What is not white below the menu bar is the photograph.
    read -r pw ph px py < <(e2e_im "$shot" -crop "${ww}x$((wh - 40))+$wx+$((wy + 40))" +repage \
        -bordercolor white -border 1 -fuzz 1% -trim -format '%w %h %X %Y\n' info:)
    ((pw == 400 && ph == 378)) && break
    sleep 0.1
done
((pw == 400 && ph == 378)) || e2e_fail "the photograph shows as ${pw}x$ph, not 400x378"
# -trim reports offsets within the bordered crop.
px=$((px + wx - 1))
py=$((py + wy + 40 - 1))
((px == expect_x)) || e2e_fail "photograph starts at x $px, centred would be $expect_x"
((py >= expect_y && py <= expect_y + 40)) || e2e_fail "photograph starts at y $py, centred would be $expect_y plus the menu bar"
e2e_log "photograph at $px,$py"
[[ $(e2e_pixel "$shot" $((px + 200)) $((py + 189))) != ffffff ]] || e2e_fail "the photograph's middle is white"
[[ $(e2e_pixel "$shot" $((px - 20)) $((py + 189))) == ffffff ]] || e2e_fail "the page left of the photograph is not white"

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
