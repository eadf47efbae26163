#!/bin/sh
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS (default 60),
# starting from the committed seed corpus. A finding is saved under fuzz/regressions/<target>/,
# where the ordinary test run replays it; commit it with the fix.
# Usage: scripts/run-fuzzers.sh [SECONDS]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
CXX=clang++ cmake -S . -B build-fuzz -DPIXTALLO_FUZZ=ON -DPIXTALLO_SANITIZE=ON \
    -DPIXTALLO_BUILD_QT=OFF -DPIXTALLO_BUILD_TESTS=OFF -DPIXTALLO_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)"
failed=0
for target in text_to_number number_to_text quote_csv hypertext; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "fuzzing $target for $seconds s"
    if ! build-fuzz/bin/fuzz-$target -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="fuzz/regressions/$target/" "$corpus" "fuzz/corpus/$target"; then
        echo "fuzz-$target found a failing input: see fuzz/regressions/$target/" >&2
        failed=1
    fi
done
exit $failed
