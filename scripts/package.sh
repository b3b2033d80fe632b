#!/usr/bin/env bash
# Builds the Debian package (CPack's DEB generator) from a build tree and prints its path.
# Usage: scripts/package.sh [build-dir]
# Without a build dir, a Release tree without tests is configured and built in build-package/.
# An existing tree is packaged as it is, stripped.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-package}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -G Ninja -DTALLYWRIGHT_WERROR=ON -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr -DTALLYWRIGHT_TESTS=OFF >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)" >&2  # stdout carries only the package path
rm -f "$dir"/tallywright_*.deb
# CPack writes every file as root's, so no fakeroot is needed.
(cd "$dir" && cpack -G DEB >/dev/null)
realpath "$dir"/tallywright_*.deb
