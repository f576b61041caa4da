#!/usr/bin/env bash
# Benchmark of the stand-in books: generated books of 5,000 accounts and
# sub-accounts (300 accounts, 4,700 sub-accounts) and 1,000,000 journal
# lines over one fiscal year. Prints
#   (a) the loader's time against sqlite3's .import of the same journal CSV
#       into a plain table,
#   (b) the library's summation time (MoveReady to the last MoveNext),
#   (c) sqlite3's time for one query computing the per-code, per-period
#       totals over the imported journal,
# and the ratios. Figures only: nothing is asserted.
#   tools/bench/bench-books.sh BUILD_DIR [WORK_DIR]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:?usage: bench-books.sh BUILD_DIR [WORK_DIR]}" && pwd)
work=${2:-$build/bench-books}
mkdir -p "$work"
work=$(cd "$work" && pwd)
loader=$(find "$build/bin" "$build/tools" -name loadbooks.exe 2>/dev/null | head -n 1)
bench=$(find "$build/bin" "$build/tools" -name bench_books.exe 2>/dev/null | head -n 1)
[ -n "$loader" ] && [ -n "$bench" ] || { echo "build loadbooks and bench_books first" >&2; exit 1; }
export WINE_BUILD_DIR="$build"
wine_run() { "$here/../../cmake/wine-run.sh" "$@"; }
ms() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }
# CPU milliseconds (user + system) of the command recorded in $work/cpu;
# steadier than wall time on a shared machine.
cpu() { /usr/bin/time -f '%U %S' -o "$work/cpu" "$@"; }
cpu_ms() { awk '{ printf "%d", ($1 + $2) * 1000 }' "$work/cpu"; }

if [ ! -s "$work/journal.csv" ]; then
    python3 - "$work" <<'PY'
import random, sys
out = sys.argv[1]
rnd = random.Random(5000)
codes = []
with open(f"{out}/accounts.csv", "w") as f:
    f.write("code,name,kind,side,order,omit1,omit2,attr_bits\n")
    for a in range(300):
        acc = (1000 + a) * 10000
        f.write(f"{acc},科目{a:03d},{a % 2},{1 + a % 2},{a},0,0,0\n")
        subs = 20 if a < 235 else 0
        for s in range(1, subs + 1):
            f.write(f"{acc + s},補助{a:03d}-{s:02d},{a % 2},{1 + a % 2},{s},0,0,0\n")
            codes.append(acc + s)
        if subs == 0:
            codes.append(acc)
days = [0, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29, 31]  # April 2023 to March 2024
with open(f"{out}/journal.csv", "w") as f:
    f.write("date,period,debit_code,credit_code,amount_nuki,amount_komi\n")
    for i in range(1_000_000):
        p = rnd.randint(1, 12)
        y, m = (2023, p + 3) if p <= 9 else (2024, p - 9)
        d = rnd.randint(1, days[p])
        n = rnd.randint(1, 5_000_000)
        f.write(f"{y}{m:02d}{d:02d},{p},{rnd.choice(codes)},{rnd.choice(codes)},{n // 100}.{n % 100:02d},{n * 11 // 1000}.{n * 11 % 1000:03d}\n")
PY
fi

rm -f "$work/books.db" "$work/plain.db"
printf 'ベンチ株式会社\n' > "$work/company.txt"
wine_run "$loader" --db "$work/books.db" --init >/dev/null   # Wine warm, schema apart from the load
t=$(date +%s%N)
cpu "$here/../../cmake/wine-run.sh" "$loader" --db "$work/books.db" --dataset 1 --data-id BENCH --company-file "$work/company.txt" \
    --period-start 20230401 --period-end 20240331 --accounts "$work/accounts.csv" \
    --journal "$work/journal.csv" --user bench --select 0,1
load=$(ms "$t")
load_cpu=$(cpu_ms)

t=$(date +%s%N)
cpu sqlite3 "$work/plain.db" <<SQL
CREATE TABLE journal(date INTEGER, period INTEGER, debit_code INTEGER, credit_code INTEGER,
                     amount_nuki NUMERIC, amount_komi NUMERIC);
.mode csv
.import --skip 1 $work/journal.csv journal
SQL
import=$(ms "$t")
import_cpu=$(cpu_ms)

t=$(date +%s%N)
# Each side grouped on its own: two sorts of the journal are cheaper than
# one sort of both sides together.
cpu sqlite3 "$work/plain.db" >/dev/null <<'SQL'
SELECT debit_code, period, SUM(amount_nuki), SUM(amount_komi), 0, 0 FROM journal GROUP BY 1, 2
UNION ALL
SELECT credit_code, period, 0, 0, SUM(amount_nuki), SUM(amount_komi) FROM journal GROUP BY 1, 2;
SQL
query=$(ms "$t")
query_cpu=$(cpu_ms)

out=$(LEDGER_CONNECTION="DRIVER=SQLite3;Database=$work/books.db;NoCreat=1" LEDGER_USER=bench wine_run "$bench" | tr -d "\r")
echo "$out"
sum=$(echo "$out" | sed -n 's/^summation run 2: .* in \([0-9.]*\) ms$/\1/p')
echo "(a) load: ${load} ms (cpu ${load_cpu}); sqlite3 .import: ${import} ms (cpu ${import_cpu});" \
     "ratio $(echo "scale=2; $load / $import" | bc) (cpu $(echo "scale=2; $load_cpu / $import_cpu" | bc))"
echo "(b) summation (warm run): ${sum} ms"
echo "(c) sqlite3 totals query: ${query} ms (cpu ${query_cpu}); summation/query $(echo "scale=3; $sum / $query" | bc)"
