#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (default
# 20 s) from its seed corpus in tests/fuzz/corpus. New inputs go to a scratch
# corpus in the build folder, so the repository is not changed; a crash
# leaves its input in build/fuzz/findings and fails the run.
set -eu
cd "$(dirname "$0")/../.."
seconds=${1:-20}
build=build/fuzz
CC=clang CXX=clang++ cmake -G Ninja -S . -B "$build" -DBL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build"
mkdir -p "$build/findings"
status=0
for fuzzer in "$build"/tests/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=${fuzzer##*/fuzz_}
    work="$build/corpus/$name"
    mkdir -p "$work"
    echo "fuzzing $name for ${seconds}s"
    if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$build/findings/$name-" "$work" "tests/fuzz/corpus/$name" \
            >"$build/$name.log" 2>&1; then
        echo "fuzz_$name found a fault; see $build/$name.log"
        tail -30 "$build/$name.log"
        status=1
    else
        grep -E '^Done|#[0-9]+.*DONE' "$build/$name.log" | tail -1 || true
    fi
done
exit $status
