# shellcheck shell=bash
# Helpers for the window tests, sourced by each of them.
#
#   e2e_init NAME                 temp dir, traps; everything spawned is ended at exit
#   e2e_spawn CMD...              runs CMD in its own session; its pid in E2E_PID
#   e2e_adopt / e2e_forget PIDS   also end these at exit / no longer
#   e2e_start_display [WxHxD]     private Xvfb with openbox; exports DISPLAY, XAUTHORITY
#   e2e_wait_window TITLE [SECS [PID]]  prints the id of the visible window titled TITLE
#   e2e_popups PID                visible override-redirect windows (menus) of PID
#   e2e_wait_exit PID [SECS]      waits for a spawned process; its exit code in E2E_RC
#   e2e_screenshot LABEL          root window into $E2E_ARTIFACTS/NAME-LABEL.png
#   e2e_im ARGS / e2e_pixel FILE X Y   ImageMagick; one pixel as rrggbb
#   e2e_fail MESSAGE              fails the test; the exit trap keeps a screenshot
#
# Tests run side by side under ctest, so nothing here uses a fixed display
# number or port, and processes are only ever ended by their own ids.

set -euo pipefail

e2e_init() {
    E2E_NAME=$1
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/e2e-$E2E_NAME.XXXXXX")
    E2E_ARTIFACTS=${E2E_ARTIFACTS:-$PWD}
    E2E_PIDS=()
    # Never touch the developer's own screen.
    unset DISPLAY WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    trap e2e_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

e2e_log() { echo "[$E2E_NAME] $*" >&2; }

e2e_fail() {
    e2e_log "FAIL: $*"
    exit 1
}

# Each spawned process leads its own session, so ending the session also
# ends whatever it forked.
e2e_spawn() {
    setsid "$@" &
    E2E_PID=$!
    E2E_PIDS+=("$E2E_PID")
}

# e2e_adopt PIDS...: processes started by a spawned one, ended at exit too in
# case it fails to end them itself. e2e_forget drops them once they are gone.
e2e_adopt() { E2E_PIDS+=("$@"); }
e2e_forget() {
    local keep=() pid gone
    for pid in "${E2E_PIDS[@]}"; do
        for gone in "$@"; do [[ $pid == "$gone" ]] && continue 2; done
        keep+=("$pid")
    done
    E2E_PIDS=("${keep[@]}")
}

e2e_sessions_alive() {
    ((${#E2E_PIDS[@]})) || return 1
    local list
    list=$(IFS=,; echo "${E2E_PIDS[*]}")
    ps -o stat= --sid "$list" -p "$list" 2>/dev/null | grep -qv '^Z'
}

e2e_cleanup() {
    local rc=$? i pid log
    set +e
    trap '' INT TERM PIPE
    if ((rc != 0)); then
        e2e_screenshot failure || true
        for log in "$E2E_TMP"/*.log; do
            [[ -s $log ]] || continue
            e2e_log "--- ${log##*/} (last lines)"
            tail -n 20 "$log" >&2
        done
    fi
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        kill -TERM -- "-${E2E_PIDS[i]}" 2>/dev/null
        kill -TERM "${E2E_PIDS[i]}" 2>/dev/null
    done
    for _ in {1..50}; do e2e_sessions_alive || break; sleep 0.1; done
    for pid in "${E2E_PIDS[@]}"; do
        kill -KILL -- "-$pid" 2>/dev/null
        kill -KILL "$pid" 2>/dev/null
    done
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
    exit "$rc"
}

e2e_screenshot() {
    [[ -n ${DISPLAY:-} ]] || return 1
    mkdir -p "$E2E_ARTIFACTS"
    local file=$E2E_ARTIFACTS/$E2E_NAME-$1.png
    import -display "$DISPLAY" -window root "$file" 2>/dev/null || return 1
    e2e_log "screenshot: $file"
}

# e2e_start_display [WxHxD]: a private Xvfb that only cookie holders reach,
# on the first free display number, with openbox managing its windows.
e2e_start_display() {
    local screen=${1:-1280x1024x24} cookie n=
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    touch "$E2E_TMP/server.auth" "$E2E_TMP/Xauthority"
    # The server takes the cookie whatever display the entry names.
    xauth -q -f "$E2E_TMP/server.auth" add :0 . "$cookie"
    : >"$E2E_TMP/displayfd"
    e2e_spawn Xvfb -displayfd 3 -nolisten tcp -auth "$E2E_TMP/server.auth" \
        -screen 0 "$screen" 3>"$E2E_TMP/displayfd" >"$E2E_TMP/xvfb.log" 2>&1
    for _ in {1..100}; do
        read -r n <"$E2E_TMP/displayfd" && [[ $n =~ ^[0-9]+$ ]] && break
        n=
        kill -0 "$E2E_PID" 2>/dev/null || break
        sleep 0.1
    done
    [[ -n $n ]] || e2e_fail "Xvfb did not start"
    export DISPLAY=:$n XAUTHORITY=$E2E_TMP/Xauthority
    xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"

    e2e_spawn openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1
    for _ in {1..100}; do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    e2e_fail "openbox did not start"
}

# TITLE is matched whole, as an extended regex. With PID, gives up as soon
# as that process has ended instead of waiting out SECS.
e2e_wait_window() {
    local title=$1 secs=${2:-30} pid=${3:-} i ids stat
    for ((i = 0; i < secs * 5; i++)); do
        ids=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true)
        [[ -n $ids ]] && { echo "${ids%%$'\n'*}"; return 0; }
        if [[ -n $pid ]]; then
            stat=$(ps -o stat= -p "$pid" 2>/dev/null || true)
            [[ -z $stat || $stat == Z* ]] && { e2e_log "process $pid ended"; return 1; }
        fi
        sleep 0.2
    done
    return 1
}

e2e_popups() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$id"
    done
    return 0
}

# ImageMagick; Debian's versioned name is the real one where a plain
# `convert` may be something else.
e2e_im() {
    local im
    im=$(command -v convert-im6.q16 || command -v convert)
    "$im" "$@"
}

# e2e_pixel FILE X Y: the colour there as rrggbb.
e2e_pixel() {
    e2e_im "$1" -crop "1x1+$2+$3" -depth 8 -format '%[hex:p{0,0}]' info: | tr 'A-F' 'a-f' | cut -c1-6
}

# e2e_geometry ID: absolute x y width height of a window, without its frame.
e2e_geometry() {
    xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
        /^ *Width/ { w = $2 } /^ *Height/ { h = $2 }
        END { print x + 0, y + 0, w + 0, h + 0 }'
}

# e2e_frame_geometry ID: the same, with the window manager's frame.
e2e_frame_geometry() {
    local x y w h l=0 r=0 t=0 b=0 ext
    read -r x y w h < <(e2e_geometry "$1")
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ',')
    [[ -n $ext ]] && read -r l r t b <<<"$ext"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# e2e_work_area: x y width height of the current desktop's work area.
e2e_work_area() {
    local desk values
    desk=$(xprop -root _NET_CURRENT_DESKTOP | sed -n 's/.* = //p')
    read -ra values < <(xprop -root _NET_WORKAREA | sed -n 's/.* = //p' | tr -d ',')
    echo "${values[@]:$((${desk:-0} * 4)):4}"
}

e2e_wait_exit() {
    local pid=$1 secs=${2:-10} i stat
    for ((i = 0; i < secs * 10; i++)); do
        stat=$(ps -o stat= -p "$pid" 2>/dev/null || true)
        [[ -z $stat || $stat == Z* ]] && break
        sleep 0.1
    done
    [[ -z $stat || $stat == Z* ]] || return 1
    E2E_RC=0
    wait "$pid" || E2E_RC=$?
}
