#!/usr/bin/env bash
# Installs what is missing, builds the program and the controller emulator
# (not the tests: scripts/test.sh builds those), and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --program
exec ./build/app/velzar "$@"
