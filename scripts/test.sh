#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then the whole suite again
# under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer; then each fuzz target
# for ten seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" --output-on-failure -j "$jobs"

sanitize=${SANITIZE_BUILD_DIR:-build-sanitize}
cmake -S . -B "$sanitize" -DTAVREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$sanitize" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 \
LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$sanitize" --output-on-failure -j "$jobs"

bash fuzz/run 10 out/fuzz-smoke
