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
