#!/usr/bin/env bash
# Installs what is missing and builds into build/ (or build-sanitize/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DVELZAR_SANITIZE=ON -DVELZAR_BENCH=OFF)
else
  dir=build
  options=()
fi
cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
