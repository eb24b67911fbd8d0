#!/usr/bin/env bash
# Builds the Debian package glowtape_<version>_<arch>.deb in the repository's top folder.
# Install it with: sudo apt install ./glowtape_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLOWTAPE_TESTS=OFF >/dev/null
cmake --build build-package -j "$(nproc)"
rm -rf build-package/deb
cpack -G DEB --config build-package/CPackConfig.cmake -B build-package/deb >/dev/null
rm -f glowtape_*.deb
cp build-package/deb/glowtape_*.deb .
ls glowtape_*.deb
