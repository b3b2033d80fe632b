#!/usr/bin/env bash
# Times tallywright-count over 300 generated ten-page .docx files against inflating their
# word/document.xml parts with `unzip -p` (the inflate floor), in one run, and prints the ratio
# (goal: at most 2x). For reference it also times a single unzip process inflating all of them,
# a floor without the cost of starting a process per file. Usage: bench/docx-vs-unzip.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
bench_setup "${1:-build}"
python3 bench/make-docx-corpus.py "$work" 300
cat "$work"/*.docx >/dev/null  # both runs read from the page cache

inflate_all() {
  for f in "$work"/*.docx; do unzip -p "$f" word/document.xml >/dev/null; done
}
inflate_in_one() { unzip -p "$work/*.docx" word/document.xml; }
unzip_time=$(best 3 inflate_all)
one_time=$(best 3 inflate_in_one)
tw_time=$(best 3 "$count" --format tsv "$work"/*.docx)
echo "unzip -p word/document.xml x300: ${unzip_time}s"
echo "tallywright-count x300:          ${tw_time}s"
echo "one unzip process for all:       ${one_time}s"
echo "ratio (goal <= 2): $(echo "scale=2; $tw_time / $unzip_time" | bc -l)"
echo "ratio to the one-process floor: $(echo "scale=2; $tw_time / $one_time" | bc -l)"
