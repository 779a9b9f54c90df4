#!/usr/bin/env bash
# Builds the Debian package into build-package/ (only the program and its
# icon, not the tests) and prints its path. Install it with
#   sudo apt install ./build-package/velzar_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

dir=build-package
# The package installs what is built here; it needs no test or benchmark.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELZAR_BENCH=OFF \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target velzar velzar-icons
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$PWD/$dir"/velzar_*.deb
