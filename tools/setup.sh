#!/usr/bin/env bash
# Installs what building and running here needs, when it is missing:
# MinGW-w64, Wine, a virtual display, Japanese fonts, ODBC with the SQLite
# driver, and the tools the tests and the demo use. Safe to run again.
set -eu
packages=(
    cmake ninja-build g++ clang python3
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
    wine64 xvfb xauth x11-utils imagemagick fonts-ipafont-gothic
    unixodbc libsqliteodbc sqlite3 libxml2-utils locales
    googletest libbenchmark-dev bc time
)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine turns Japanese file names into Linux ones only when the locale it runs
# in, ja_JP.UTF-8, exists; code page 932 alone is not enough for that.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
