#!/bin/sh
# Builds everything with AddressSanitizer, UndefinedBehaviorSanitizer and the standard library's
# assertions in build-asan/, and runs the whole test suite there. Any finding fails the run; leaks
# are checked at every test program's exit, the window's QTest run (start-up, quotations, banner
# ticks, link and launcher presses, closing) included. Qt needs no leak suppressions here.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DPIXTALLO_SANITIZE=ON -DPIXTALLO_BUILD_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
