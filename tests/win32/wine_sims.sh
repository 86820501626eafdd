#!/usr/bin/env bash
# Test fixture for the Windows build under Wine: the simulated instruments on the Linux
# side, each on its own pseudo-terminal, linked into the Wine prefix as COM ports.
#
#   wine_sims.sh start <state-dir> <pemlar-sim> <unmapped-com> <com>:<fault>[:paced] ...
#   wine_sims.sh stop <state-dir>
#
# <fault> is none or a --fault kind of pemlar-sim; instruments answer at once unless
# :paced. <unmapped-com> is a number whose link is removed, so that it has no device.
# start first stops what an interrupted run may have left behind; stop ends the
# instruments and removes the links, also after a failed start.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../../cmake/wine-env.sh"

dosdevices="$WINEPREFIX/dosdevices"

die() {
    echo "wine_sims: $*" >&2
    exit 1
}

is_our_sim() {  # is_our_sim <pid>: still running, and still pemlar-sim (pids get reused)
    [ -r "/proc/$1/cmdline" ] && tr '\0' ' ' <"/proc/$1/cmdline" | grep -q 'pemlar-sim'
}

running() {  # running <pid of a child>: not ended; a child's pid is not reused before it is reaped
    kill -0 "$1" 2>/dev/null && ! grep -q '^[^)]*) Z' "/proc/$1/stat" 2>/dev/null
}

stop_all() {
    local state=$1 pidfile pid waited link
    [ -d "$state" ] || return 0
    for pidfile in "$state"/*.pid; do
        [ -e "$pidfile" ] || continue
        pid=$(cat "$pidfile")
        is_our_sim "$pid" && kill -TERM "$pid" 2>/dev/null || true
    done
    for pidfile in "$state"/*.pid; do
        [ -e "$pidfile" ] || continue
        pid=$(cat "$pidfile")
        waited=0
        while is_our_sim "$pid" && [ $waited -lt 40 ]; do
            sleep 0.05
            waited=$((waited + 1))
        done
        is_our_sim "$pid" && kill -KILL "$pid" 2>/dev/null || true
        rm -f "$pidfile"
    done
    if [ -f "$state/links" ]; then
        while read -r link; do
            rm -f "$link"
        done <"$state/links"
        rm -f "$state/links"
    fi
}

start_one() {  # start_one <state> <sim> <com> <fault> <paced>
    local state=$1 sim=$2 com=$3 fault=$4 paced=$5 args=() device="" tries=0
    [ "$paced" = paced ] || args+=(--fast)
    [ "$fault" = none ] || args+=(--fault "$fault")
    "$sim" "${args[@]}" </dev/null >"$state/com$com.out" 2>"$state/com$com.err" &
    echo $! >"$state/com$com.pid"
    # The first line is the device it serves, flushed as soon as the line is ready.
    while [ -z "$device" ]; do
        [ $tries -lt 250 ] || die "COM$com ($fault): pemlar-sim printed no device: $(cat "$state/com$com.err")"
        running "$(cat "$state/com$com.pid")" ||
            die "COM$com ($fault): pemlar-sim ended: $(cat "$state/com$com.err")"
        sleep 0.02
        tries=$((tries + 1))
        device=$(head -n 1 "$state/com$com.out")
    done
    [ -c "$device" ] || die "COM$com: $device is not a terminal device"
    echo "$dosdevices/com$com" >>"$state/links"
    ln -sfn "$device" "$dosdevices/com$com"
    echo "COM$com -> $device ($fault${paced:+, $paced})"
}

command=${1:-}
state=${2:-}
[ -n "$state" ] || die "usage: wine_sims.sh start|stop <state-dir> ..."
case "$command" in
start)
    [ $# -ge 4 ] || die "usage: wine_sims.sh start <state-dir> <pemlar-sim> <unmapped-com> <com>:<fault>[:paced] ..."
    sim=$3
    unmapped=$4
    shift 4
    [ -x "$sim" ] || die "no pemlar-sim at '$sim': build the Linux pemlar-sim and pass its path as PEMLAR_HOST_SIM"
    mkdir -p "$state"
    stop_all "$state"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "creating the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        "$(pemlar_find_wine)" wineboot --init >"$state/wineboot.log" 2>&1
    fi
    mkdir -p "$dosdevices"
    trap 'stop_all "$state"' EXIT  # a start that fails half-way leaves nothing behind
    for entry in "$@"; do
        IFS=: read -r com fault paced <<<"$entry"
        start_one "$state" "$sim" "$com" "${fault:-none}" "${paced:-}"
    done
    rm -f "$dosdevices/com$unmapped"
    echo "COM$unmapped has no device"
    trap - EXIT
    ;;
stop)
    stop_all "$state"
    ;;
*)
    die "unknown command '$command'"
    ;;
esac
