#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test
# (under AddressSanitizer and UndefinedBehaviorSanitizer with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh "$@"
dir=build
[ "${1:-}" = "--sanitize" ] && dir=build-sanitize
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan-suppressions.txt}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
ctest --test-dir "$dir" -j "$(nproc)" --output-on-failure
