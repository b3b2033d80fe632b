#!/usr/bin/env bash
# Times tallywright-count over 200 generated 30-slide .pptx files against inflating their slide
# parts with `unzip -p` (the inflate floor), in one run, and prints the ratio (goal: at most 2x).
# Usage: bench/pptx-vs-unzip.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
count=$build/src/cli/tallywright-count
[ -x "$count" ] || { echo "build $count first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 bench/make-pptx-corpus.py "$work" 200
cat "$work"/*.pptx >/dev/null  # both runs read from the page cache

inflate_all() {
  for f in "$work"/*.pptx; do unzip -p "$f" 'ppt/slides/slide*.xml' >/dev/null; done
}
best() {  # best of three wall-clock seconds of a command
  local best=""
  for _ in 1 2 3; do
    local start end took
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    took=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || (( $(echo "$took < $best" | bc -l) )); then best=$took; fi
  done
  echo "$best"
}
unzip_time=$(best inflate_all)
tw_time=$(best "$count" --format tsv "$work"/*.pptx)
echo "unzip -p ppt/slides/slide*.xml x200: ${unzip_time}s"
echo "tallywright-count x200:              ${tw_time}s"
echo "ratio (goal <= 2): $(echo "scale=2; $tw_time / $unzip_time" | bc -l)"
