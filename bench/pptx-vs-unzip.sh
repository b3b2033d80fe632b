#!/usr/bin/env bash
# Times tallywright-count over 200 generated 30-slide .pptx files against inflating their slide
# parts with `unzip -p` (the inflate floor), in one run, and prints the ratio (goal: at most 2x).
# Usage: bench/pptx-vs-unzip.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
bench_setup "${1:-build}"
python3 bench/make-pptx-corpus.py "$work" 200
cat "$work"/*.pptx >/dev/null  # both runs read from the page cache

inflate_all() {
  for f in "$work"/*.pptx; do unzip -p "$f" 'ppt/slides/slide*.xml' >/dev/null; done
}
unzip_time=$(best 3 inflate_all)
tw_time=$(best 3 "$count" --format tsv "$work"/*.pptx)
echo "unzip -p ppt/slides/slide*.xml x200: ${unzip_time}s"
echo "tallywright-count x200:              ${tw_time}s"
echo "ratio (goal <= 2): $(echo "scale=2; $tw_time / $unzip_time" | bc -l)"
