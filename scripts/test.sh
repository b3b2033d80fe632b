#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal build, then the
# AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$jobs" --timeout 300
# The Debian package, built from the same tree, unpacked and tried.
scripts/check-package.sh "$(scripts/package.sh build)"

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTALLYWRIGHT_SANITIZE=ON
lsan_options=""
[ -f tests/lsan.supp ] && lsan_options="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=$lsan_options \
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 600

# The document readers' fuzz targets, briefly, with clang's libFuzzer.
fuzz/run-all.sh "${FUZZ_SECONDS:-10}"

scripts/check-format.sh
