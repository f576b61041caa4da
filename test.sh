#!/usr/bin/env bash
# Runs every test: installs what is missing, cross-builds the programs and
# runs the Windows tests under Wine (a virtual display is started when there
# is none), then builds the platform-free code natively under AddressSanitizer
# and UndefinedBehaviorSanitizer and runs its tests, then fuzzes briefly.
set -eu
cd "$(dirname "$0")"
top=$PWD
tools/setup.sh
jobs=$(nproc)

echo "== Windows build, tests under Wine"
cmake -G Ninja -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" >/dev/null
ninja -C build/win -j "$jobs"
(cd build/win && ctest --output-on-failure)

echo "== Native build under sanitizers"
cmake -G Ninja -S . -B build/asan -DBL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
ninja -C build/asan -j "$jobs"
(cd build/asan && ctest --output-on-failure)

if [ -x tools/fuzz/run-fuzzers.sh ]; then
    echo "== Fuzzing"
    tools/fuzz/run-fuzzers.sh "${FUZZ_SECONDS:-20}"
fi
