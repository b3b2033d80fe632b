#!/usr/bin/env bash
# Configures and builds one build tree. Usage: scripts/build.sh [build-dir] [extra cmake args...]
set -euo pipefail
cd "$(dirname "$0")/.."
# Test discovery runs the test programs while building; the window tests need no display.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DTALLYWRIGHT_WERROR=ON "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
