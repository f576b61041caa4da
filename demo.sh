#!/usr/bin/env bash
# Runs the component on the demo books: installs what is missing, builds,
# lays out a demo installation in out/demo (the programs, the tax-form
# application's installation definition, the accounting product's support
# file, the stand-in's configuration and the demo books database), then
# starts BreakdownLinkA standalone.
#
# With a display the program is yours to use. Without one a virtual display
# is started and, since nobody can type there, tools/driver plays the user:
# it types an output file name into the path, keeps the other defaults,
# executes with F12 and answers the message boxes; screenshots of the
# dialog, the progress window and the final message land in out/demo/shots.
set -eu
cd "$(dirname "$0")"
top=$PWD
tools/setup.sh
build=$top/build/win
cmake -G Ninja -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" >/dev/null
ninja -C "$build" BreakdownLinkA BreakdownLinkB BreakdownLinkC hostsim driver loadbooks

demo=$top/out/demo
rm -rf "$demo"
mkdir -p "$demo/shots"
cp "$build"/bin/BreakdownLink?.exe "$demo/"
printf '[ProgramLevel]\r\nKX13_U=3\r\n' > "$demo/OrvaneDef.ini"
cp res/SUPPORT.INF "$demo/SUPPORT.INF"

had_display=${DISPLAY:-}
export WINE_BUILD_DIR=$build
cmake/wine-env.sh start
. cmake/wine-common.sh
wine_env_export

tools/demo/make-demo.sh "$build" "$demo"

report_unix=$demo/out/demo-report.xml
report_win=$(winepath -w "$report_unix" 2>/dev/null)
if [ -n "$had_display" ]; then
    echo "Starting BreakdownLinkA on the demo books; the report goes where you choose."
    wine_cmd "$demo/BreakdownLinkA.exe"
else
    echo "No display: a virtual one runs and the driver plays the user."
    # Wine's own desktop window draws the window frames and captions that a
    # display without a window manager would leave out of the screenshots.
    wine_cmd explorer /desktop=Demo,1280x1024 "$(winepath -w "$build/bin/driver.exe")" \
        --path "$report_win" --shots "$(winepath -w "$demo/shots")" \
        "$(winepath -w "$demo/BreakdownLinkA.exe")" | iconv -f CP932 -t UTF-8 | tee "$demo/driver.log"
    for bmp in "$demo"/shots/*.bmp; do
        [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
    echo "Screenshots: $demo/shots"
fi
if [ -f "$report_unix" ]; then
    echo "Report: $report_unix"
else
    echo "No report was written (see the messages above)."
fi
