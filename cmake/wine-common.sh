# Shared by wine-run.sh and wine-env.sh: where the prefix lives and the
# environment of every Wine process.
#   WINE_BUILD_DIR  build folder that holds the prefix (default: current dir)
wine_state_dir() { echo "${WINE_BUILD_DIR:-$PWD}/wine"; }
wine_env_export() {
    local st; st=$(wine_state_dir)
    export WINEPREFIX="${WINEPREFIX:-$st/prefix}"
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
    if [ -z "${DISPLAY:-}" ] && [ -f "$st/display" ]; then
        export DISPLAY=":$(cat "$st/display")"
    fi
}
# Wine needs LC_ALL=ja_JP.UTF-8 for ANSI code page 932; it is passed to
# Wine only, since the locale itself need not exist for the shell.
wine_cmd() { env LC_ALL=ja_JP.UTF-8 wine "$@"; }
