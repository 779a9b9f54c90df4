#!/usr/bin/env bash
# Builds the Debian package and prints its path: only the program and its
# icon are built, not the tests, into build-package/ or the build folder
# given. Install it with
#   sudo apt install ./build-package/velzar_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

dir=${1:-build-package}
# The package takes what is built here; it must not wait for every test.
cmake -S . -B "$dir" -G Ninja -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target velzar velzar-icons
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$PWD/$dir"/velzar_*.deb
