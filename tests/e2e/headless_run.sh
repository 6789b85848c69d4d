#!/usr/bin/env bash
# `make run` without a display: the program is served over VNC and noVNC on
# 127.0.0.1 only, behind the printed one-time password, the pointer reaches it
# through that display, and the session ends completely on SIGTERM or when
# the program exits, passing on its exit code.
#   headless_run.sh RUN_HEADLESS_SCRIPT SETTINGS_BINARY
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/lib.sh"
run_headless=${1:?usage: headless_run.sh RUN_HEADLESS SETTINGS_BINARY}
settings=${2:?usage: headless_run.sh RUN_HEADLESS SETTINGS_BINARY}

e2e_init headless_run

descendants() {
    local child
    for child in $(ps -o pid= --ppid "$1"); do
        echo "$child"
        descendants "$child"
    done
}

# start_session LABEL: runs a headless session until its window shows and
# sets session, started, app, win, web_port, vnc_port, password, DISPLAY
# and XAUTHORITY from what it printed.
start_session() {
    local log=$E2E_TMP/$1.log banner=
    e2e_spawn "$run_headless" "$settings" >"$log" 2>&1
    session=$E2E_PID
    for _ in {1..300}; do
        banner=$(grep -A3 'running on a private display' "$log" || true)
        [[ $banner == *"X display:"* ]] && break
        kill -0 "$session" 2>/dev/null || e2e_fail "run-headless ended before it was ready"
        sleep 0.1
    done
    [[ $banner == *"X display:"* ]] || e2e_fail "run-headless printed no addresses"
    [[ $banner =~ http://127\.0\.0\.1:([0-9]+)/vnc\.html\?[^#]*#password=([A-Za-z0-9]+) ]] ||
        e2e_fail "no browser address with the password after '#': $banner"
    web_port=${BASH_REMATCH[1]} password=${BASH_REMATCH[2]}
    [[ $banner =~ 127\.0\.0\.1::([0-9]+) ]] || e2e_fail "no VNC address: $banner"
    vnc_port=${BASH_REMATCH[1]}
    [[ $banner =~ DISPLAY=(:[0-9]+)\ XAUTHORITY=([^[:space:]]+) ]] || e2e_fail "no X display: $banner"
    export DISPLAY=${BASH_REMATCH[1]} XAUTHORITY=${BASH_REMATCH[2]}
    win=$(e2e_wait_window Setup 60 "$session") || e2e_fail "no window titled Setup appeared"
    app=$(xdotool getwindowpid "$win")
    mapfile -t started < <(descendants "$session")
    e2e_adopt "${started[@]}"
    [[ " ${started[*]} " == *" $app "* ]] || e2e_fail "the window's process $app is not the session's"
}

# end_session LABEL EXPECTED_RC: the session ends in time with EXPECTED_RC and
# takes everything it started, and its temporary files, along.
end_session() {
    local label=$1 want=$2 pid stat
    e2e_wait_exit "$session" 15 || e2e_fail "$label: run-headless still running after 15 s"
    ((E2E_RC == want)) || e2e_fail "$label: run-headless exited with $E2E_RC, expected $want"
    for pid in "${started[@]}"; do
        stat=$(ps -o stat=,args= -p "$pid" 2>/dev/null || true)
        [[ -z $stat || $stat == Z* ]] || e2e_fail "$label: still running: $pid $stat"
    done
    [[ ! -e $(dirname "$XAUTHORITY") ]] || e2e_fail "$label: temporary files left in $(dirname "$XAUTHORITY")"
    e2e_forget "$session" "${started[@]}"
    unset DISPLAY  # gone with its server
}

# wait_popup: id of an open menu of the program.
wait_popup() {
    local ids
    for _ in {1..50}; do
        ids=$(e2e_popups "$app")
        [[ -n $ids ]] && { echo "${ids%%$'\n'*}"; return 0; }
        sleep 0.1
    done
    return 1
}

# --- Loopback only, password protected, pointer reaches the program, SIGTERM.
start_session sigterm

listeners=$(ss -ltnpH | while read -r _ _ _ local _ procs; do
    for pid in "${started[@]}"; do
        [[ $procs == *"pid=$pid,"* ]] && { echo "$local"; break; }
    done
done || true)
e2e_log "listening: $(echo $listeners)"
[[ -n $listeners ]] || e2e_fail "found no listening socket of the session"
grep -qvx '127\.0\.0\.1:[0-9]*' <<<"$listeners" && e2e_fail "listening beyond 127.0.0.1: $(echo $listeners)"
grep -qx "127.0.0.1:$vnc_port" <<<"$listeners" || e2e_fail "printed VNC port $vnc_port is not the session's"
grep -qx "127.0.0.1:$web_port" <<<"$listeners" || e2e_fail "printed web port $web_port is not the session's"

python3 "$here/vnc_probe.py" vnc "$vnc_port" "$password" || e2e_fail "VNC password protection"
python3 "$here/vnc_probe.py" web "$web_port" || e2e_fail "browser client"

# A click on the menu bar's first title opens its menu; with a menu open,
# hovering over the next title opens that one instead.
read -r x y _ _ < <(e2e_geometry "$win")
xdotool mousemove --sync "$((x + 15))" "$((y + 10))" click 1
menu=$(wait_popup) || e2e_fail "clicking File opened no menu"
read -r menu_x _ < <(e2e_geometry "$menu")
moved=
for ((dx = 25; dx <= 200 && !moved; dx += 10)); do
    xdotool mousemove --sync "$((x + dx))" "$((y + 10))"
    for _ in {1..5}; do
        for id in $(e2e_popups "$app"); do
            read -r mx _ < <(e2e_geometry "$id")
            ((mx != menu_x)) && { moved=1; break 2; }
        done
        sleep 0.1
    done
done
[[ -n $moved ]] || e2e_fail "hovering along the menu bar opened no other menu"
xdotool key Escape Escape

kill -TERM "$session"
end_session "SIGTERM" 143

# --- File > Exit ends the session with the program's exit code 0.
start_session exit
xdotool windowactivate --sync "$win" key alt+f
wait_popup >/dev/null || e2e_fail "Alt+F did not open the File menu"
xdotool key e
end_session "File > Exit" 0

# --- A crash is passed on too.
start_session crash
kill -KILL "$app"
end_session "program killed" 137

e2e_log "ok"
