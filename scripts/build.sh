#!/usr/bin/env bash
# Installs what is missing and builds into build/ (or build-sanitize/ with
# --sanitize). With --program only the program and the controller emulator
# are built, not the tests and benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

targets=()
if [ "${1:-}" = "--program" ]; then
  targets=(--target velzar velzar-emulator)
  shift
fi
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DVELZAR_SANITIZE=ON -DVELZAR_BENCH=OFF)
else
  dir=build
  options=()
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
