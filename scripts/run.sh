#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
if [ -x build/src/app/tallywright ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/src/app/tallywright "$@"
fi
# No window can open here: count the sample folder on the command line instead.
exec build/src/cli/tallywright-count -r samples "$@"
