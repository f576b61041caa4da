#!/usr/bin/env bash
# The benchmarks, one command: builds what they need, generates books of
# 5,000 accounts and sub-accounts and 1,000,000 journal lines, and prints
#   - the books benchmark (load against sqlite3's .import, summation against
#     sqlite3's best totals query), see bench-books.sh;
#   - the processing of a whole run, F12 to the written report, split into
#     summation, account-master lookups, report writing and progress-window
#     work, against the floor: sqlite3's best single query over the same
#     journal. Target: the whole processing within 2x of the floor.
# Figures only; nothing is asserted.
#   tools/bench/bench.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
top=$(cd "$here/../.." && pwd)
build=${1:-$top/build/win}
"$top/tools/setup.sh"
cmake -G Ninja -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" >/dev/null
ninja -C "$build" loadbooks bench_books bench_run
build=$(cd "$build" && pwd)
export WINE_BUILD_DIR="$build"
"$top/cmake/wine-env.sh" start

work=$build/bench-books
books=$("$here/bench-books.sh" "$build" "$work")
echo "$books"
floor=$(echo "$books" | sed -n 's/^(c) sqlite3 totals query: \([0-9]*\) ms.*/\1/p')

echo
echo "== Whole run on the same books"
run=$(LEDGER_CONNECTION="DRIVER=SQLite3;Database=$work/books.db;NoCreat=1" LEDGER_USER=bench \
      "$top/cmake/wine-run.sh" "$build/bin/bench_run.exe" "Z:$(echo "$work/report.xml" | tr / '\\')" | tr -d '\r')
echo "$run" | grep -v '^whole_ms='
whole=$(echo "$run" | sed -n 's/^whole_ms=//p')
echo "floor (sqlite3 best single totals query): ${floor} ms"
echo "whole processing / floor: $(echo "scale=2; $whole / $floor" | bc) (target: 2 or less)"
