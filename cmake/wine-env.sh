# shellcheck shell=bash
# Sourced by cmake/wine-run, tests/win32/wine_sims.sh and .ci/windows-stage: one place
# that decides which Wine runs the Windows build and in which prefix.
#
# WINEPREFIX is honoured when set; otherwise a prefix of our own, never ~/.wine, since the
# tests replace COM links in it. The mount manager is switched off: it would link the
# machine's real serial ports (/dev/ttyS0 ...) as COM1, COM2, ... in the prefix, and it
# rewrites those links whenever Wine's services start. Without it the only COM ports are
# the ones the tests link to pseudo-terminals.

export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/pemlar/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
case ";${WINEDLLOVERRIDES:-};" in
*";mountmgr.sys=d;"*) ;;
*) export WINEDLLOVERRIDES="mountmgr.sys=d;winemenubuilder.exe=d;mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}" ;;
esac

# Debian's wine64 package installs its loader outside PATH; the wine package (or other
# distributions) put wine64 or wine on PATH.
pemlar_find_wine() {
    local candidate
    for candidate in "${PEMLAR_WINE:-}" /usr/lib/wine/wine64 wine64 wine; do
        [ -n "$candidate" ] || continue
        if command -v "$candidate" >/dev/null 2>&1; then
            command -v "$candidate"
            return 0
        fi
    done
    echo "wine64 not found: install the Debian package wine64 (or set PEMLAR_WINE)" >&2
    return 1
}

pemlar_find_wineserver() {
    local candidate
    for candidate in "${PEMLAR_WINESERVER:-}" /usr/lib/wine/wineserver64 wineserver64 wineserver; do
        [ -n "$candidate" ] || continue
        if command -v "$candidate" >/dev/null 2>&1; then
            command -v "$candidate"
            return 0
        fi
    done
    echo "wineserver not found: install the Debian package wine64" >&2
    return 1
}

# pemlar_wine_configure <window|headless>: the prefix's display settings, written with
# one regedit run (the prefix must exist; a running wineserver is fine).
#   window    Courier New, the main dialog's font, is replaced by the metric-compatible
#             Liberation Mono (Debian fonts-liberation), so the dialog units come out as
#             on Windows; Managed=N keeps the window manager (if any) out, so windows sit
#             where the program puts them; the X11 driver (Graphics removed), for Xvfb.
#   headless  Wine's null display driver: no X server needed, nothing pops up.
# A new graphics driver takes effect with the next desktop process: restart the server
# (pemlar_wine_restart_server) when one is up.
pemlar_wine_configure() {
    local mode=$1 graphics reg status=0
    case "$mode" in
    window) graphics='-' ;;
    headless) graphics='"null"' ;;
    *)
        echo "pemlar_wine_configure: window or headless, not '$mode'" >&2
        return 2
        ;;
    esac
    reg=$(mktemp "${TMPDIR:-/tmp}/pemlar-wine-reg.XXXXXX")
    cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Courier New"="Liberation Mono"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]
"Graphics"=$graphics
REG
    "$(pemlar_find_wine)" regedit /S "$(pemlar_wine_path "$reg")" >/dev/null 2>&1 || status=$?
    rm -f "$reg"
    [ "$status" -eq 0 ] || echo "pemlar_wine_configure: regedit failed ($status)" >&2
    return "$status"
}

# pemlar_wine_path <unix path>: the same file as Wine sees it (drive Z: is the root).
pemlar_wine_path() {
    # shellcheck disable=SC1003  # a backslash, not an escaped quote
    printf 'Z:%s' "$(realpath -m "$1" | tr / '\\')"
}

# pemlar_wine_restart_server: ends the prefix's wineserver and its desktop, waits for
# them, and starts a persistent one again (returns once it is up).
pemlar_wine_restart_server() {
    local wineserver
    wineserver=$(pemlar_find_wineserver) || return 1
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    "$wineserver" -p
}
