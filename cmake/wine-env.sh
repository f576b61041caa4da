#!/usr/bin/env bash
# Prepares and tears down what the Windows tests need:
#   wine-env.sh start   create the Wine prefix once (fonts, test drives),
#                       start a virtual display when there is none, keep
#                       the Wine server running between test processes
#   wine-env.sh stop    stop the Wine server and the virtual display
# The prefix and the display number live in $WINE_BUILD_DIR/wine.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-common.sh"
st=$(wine_state_dir)
mkdir -p "$st"

make_prefix() {
    [ -f "$WINEPREFIX/.ready" ] && return 0
    rm -rf "$WINEPREFIX"
    # Created alone, once: a prefix created lazily by parallel tests breaks.
    wine_cmd wineboot -i >/dev/null 2>&1
    wineserver -w
    # Dialog font and the fallbacks the dialog manager asks for, mapped to a
    # Japanese font; drive R: is an empty CD-ROM drive for the drive checks.
    local reg="$st/prefix.reg"
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for f in "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS UI Gothic" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "MS Sans Serif"; do
            printf '"%s"="IPAPGothic"\r\n' "$f"
        done
        printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\r\n"r:"="cdrom"\r\n'
    } | iconv -f UTF-8 -t UTF-16 > "$reg"
    wine_cmd regedit "$reg" >/dev/null 2>&1
    wineserver -w
    ln -sfn /nonexistent-cdrom "$WINEPREFIX/dosdevices/r:"
    mkdir -p "$WINEPREFIX/dosdevices/unc" "$st/share"
    ln -sfn "$st/share" "$WINEPREFIX/dosdevices/unc/testsrv"
    touch "$WINEPREFIX/.ready"
}

start_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    if [ -f "$st/xvfb.pid" ] && kill -0 "$(cat "$st/xvfb.pid")" 2>/dev/null; then
        export DISPLAY=":$(cat "$st/display")"; return 0
    fi
    exec 5>"$st/display.tmp"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    echo $! > "$st/xvfb.pid"
    exec 5>&-
    for _ in $(seq 100); do [ -s "$st/display.tmp" ] && break; sleep 0.1; done
    tr -d '\n' < "$st/display.tmp" > "$st/display"
    export DISPLAY=":$(cat "$st/display")"
}

case "${1:-start}" in
start)
    wine_env_export
    start_display
    make_prefix
    wineserver -p >/dev/null 2>&1 </dev/null || true  # one may be running already
    # Start Wine's own background processes (services, explorer) now, with
    # no pipes of ours: started by a test they would hold its output open.
    wine_cmd cmd /c exit </dev/null >/dev/null 2>&1 || true
    ;;
stop)
    wine_env_export
    wineserver -k 2>/dev/null || true
    if [ -f "$st/xvfb.pid" ]; then
        kill "$(cat "$st/xvfb.pid")" 2>/dev/null || true
        rm -f "$st/xvfb.pid" "$st/display"
    fi
    ;;
*) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
