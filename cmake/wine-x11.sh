# shellcheck shell=bash
# Sourced by .ci/wine-smoke and bench/start-times: a private X server for Wine's
# window runs, and finding and placing the windows of a Windows program on it.
# Needs xvfb, xdotool and x11-utils (xwininfo).
# shellcheck disable=SC2034  # PEMLAR_XVFB_PID is for the caller

# pemlar_start_xvfb <log file>: an X server on a free display number; exports DISPLAY,
# sets PEMLAR_XVFB_PID (the caller ends it). Fails if it is not up within 5 s.
pemlar_start_xvfb() {
    local log=$1 number_file
    number_file=$(mktemp "${TMPDIR:-/tmp}/pemlar-xvfb.XXXXXX")
    exec {number_fd}>"$number_file"
    Xvfb -displayfd "$number_fd" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
    PEMLAR_XVFB_PID=$!  # read by the caller
    exec {number_fd}>&-
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.05; done
    DISPLAY=:$(head -n1 "$number_file")
    rm -f "$number_file"
    export DISPLAY
    for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.05; done
    echo "no X server came up: $(cat "$log")" >&2
    return 1
}

# pemlar_now_ms: a monotonic-enough clock for waits and start times, in milliseconds.
pemlar_now_ms() {
    local now=${EPOCHREALTIME/[.,]/}
    echo $((now / 1000))
}

# pemlar_find_window <exact caption> <pid> <timeout in ms>: the id of the newest visible
# window with that caption, polled as fast as xdotool answers; empty output and status 1
# when the time runs out or the process <pid> ends first.
pemlar_find_window() {
    local caption=$1 pid=$2 deadline id
    deadline=$(($(pemlar_now_ms) + $3))
    while [ "$(pemlar_now_ms)" -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | tail -n1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.005
    done
    return 1
}

# pemlar_window_gone <exact caption> <timeout in ms>: waits until no visible window has
# that caption; status 1 if one still has it when the time runs out. A search can miss a
# window while another one comes or goes (one prompt closing, the notice opening): gone
# means not found three times in a row.
pemlar_window_gone() {
    local caption=$1 deadline misses=0
    deadline=$(($(pemlar_now_ms) + $2))
    while [ "$(pemlar_now_ms)" -lt "$deadline" ]; do
        if xdotool search --onlyvisible --name "^$caption\$" >/dev/null 2>&1; then
            misses=0
        else
            misses=$((misses + 1))
            [ "$misses" -ge 3 ] && return 0
        fi
        sleep 0.02
    done
    return 1
}

# pemlar_client_origin <window id> <client width> <client height>: "x y" of the client
# area's top-left corner on the screen. Wine draws the frame of an unmanaged window
# (Managed=N) inside the X window itself: equal borders left, right and below, the
# caption (and a menu bar) above. Fails if the window is smaller than its client.
pemlar_client_origin() {
    local id=$1 client_w=$2 client_h=$3 x='' y='' w='' h='' border
    eval "$(xwininfo -id "$id" | awk '
        /Absolute upper-left X:/ {print "x=" $NF}
        /Absolute upper-left Y:/ {print "y=" $NF}
        /Width:/ {print "w=" $NF}
        /Height:/ {print "h=" $NF}')"
    if [ -z "$h" ]; then
        echo "no window $id" >&2
        return 1
    fi
    # A border wider than 10 px or a caption and menu bar higher than 60 px mean the
    # client area is not the size the caller expects.
    border=$(((w - client_w) / 2))
    if [ "$border" -lt 0 ] || [ "$border" -gt 10 ] || [ $((h - client_h - border)) -lt 0 ] ||
        [ $((h - client_h - border)) -gt 60 ]; then
        echo "window ${w}x${h} does not frame a ${client_w}x${client_h} client area" >&2
        return 1
    fi
    echo "$((x + border)) $((y + h - client_h - border))"
}
