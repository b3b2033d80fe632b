#!/usr/bin/env bash
# Times tallywright-count over 1000 generated files of running sentences (half .txt, half .docx)
# with --repetitions against the same count without, in one run, and prints the ratio (goal: at
# most 2x). Usage: bench/repetitions-cost.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
bench_setup "${1:-build}"
python3 bench/make-sentence-corpus.py "$work" 1000
cat "$work"/* >/dev/null  # both runs read from the page cache

plain_time=$(best 3 "$count" --format tsv -r "$work")
repeated_time=$(best 3 "$count" --format tsv -r --repetitions "$work")
repeated=$("$count" --format tsv -r --repetitions "$work" | awk -F'\t' '$1 == "TOTAL" {print $9}')
echo "tallywright-count x1000:               ${plain_time}s"
echo "tallywright-count --repetitions x1000: ${repeated_time}s (${repeated} repeated words)"
echo "ratio (goal <= 2): $(echo "scale=2; $repeated_time / $plain_time" | bc -l)"
