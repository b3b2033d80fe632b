#!/usr/bin/env bash
# Installs what building and testing Tallywright needs on Debian 12, skipping what is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libzip-dev libdeflate-dev zlib1g-dev libpugixml-dev libgsf-1-dev libpoppler-cpp-dev libicu-dev libxlsxwriter-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  poppler-utils unzip zip xvfb xauth
  scdoc appstream desktop-file-utils dpkg-dev file lintian man-db
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
