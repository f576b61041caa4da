#!/usr/bin/env bash
# Builds the demo books database with the loader and writes ledger.ini for
# the stand-in accounting library beside every edition program of a cross
# build, so that the programs run against the demo company.
#   tools/demo/make-demo.sh BUILD_DIR [DEMO_DIR]
# DEMO_DIR (default BUILD_DIR/demo) receives books.db and the output and
# settings folders. The demo user is "demo"; it has data set 1 selected.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:?usage: make-demo.sh BUILD_DIR [DEMO_DIR]}" && pwd)
demo=${2:-$build/demo}
mkdir -p "$demo/out" "$demo/settings"
demo=$(cd "$demo" && pwd)
loader=$(find "$build/bin" "$build/tools" -name loadbooks.exe 2>/dev/null | head -n 1)
[ -n "$loader" ] || { echo "make-demo.sh: loadbooks.exe not built (ninja -C $build loadbooks)" >&2; exit 1; }

export WINE_BUILD_DIR="$build"
run() { "$here/../../cmake/wine-run.sh" "$loader" --db "$demo/books.db" "$@"; }

rm -f "$demo/books.db"
cd "$here"
# The current year, with its interim closing, entered including tax.
run --init --dataset 1 --data-id SMPL2023 --company-file company.txt \
    --period-start 20230401 --period-end 20240331 --interim 1 --tax-inclusive \
    --accounts accounts.csv --opening opening.csv --journal journal.csv
# Last year's books as past results data, which the programs refuse.
run --dataset 2 --data-id SMPL2022 --company-file company.txt \
    --period-start 20220401 --period-end 20230331 --past --accounts accounts.csv
run --user demo --select 1,1

# ledger.ini is read in the program's code page (Shift-JIS); folders are
# Windows paths (drive Z: is the Linux root), the database a Linux path.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
ini=$(mktemp)
{
    printf '[Ledger]\r\n'
    printf 'Connection=DRIVER=SQLite3;Database=%s;NoCreat=1\r\n' "$demo/books.db"
    printf 'User=demo\r\n'
    printf 'OutputFolder=%s\r\n' "$(winpath "$demo/out")"
    printf 'SettingsFolder=%s\r\n' "$(winpath "$demo/settings")"
    printf 'PackageName=会計ソフト デモ版\r\n'
} | iconv -f UTF-8 -t CP932 > "$ini"
cp "$ini" "$demo/ledger.ini"
found=0
while IFS= read -r exe; do
    cp "$ini" "$(dirname "$exe")/ledger.ini"
    echo "ledger.ini written beside $exe"
    found=1
done < <(find "$build" -name 'BreakdownLink*.exe' -not -path '*/wine/*')
rm -f "$ini"
[ "$found" = 1 ] || echo "no edition program built yet: copy $demo/ledger.ini beside it"
echo "demo books: $demo/books.db"
