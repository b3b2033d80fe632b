#!/usr/bin/env bash
# What reading documents in reader helpers costs, and what counting a batch on every core gains:
# times tallywright-count over 300 small .docx files (about 150 words each) and 300 ten-page ones,
# with documents read in helper processes and in this process (--no-isolation), with one job and
# with one per core, and prints the ratios (goal: isolated at most 1.3x in-process). It also
# times 2000 tiny Markdown files (read in helpers) against the same files named .txt (always
# scanned in-process), the cost of a helper round trip per file.
# Usage: bench/isolation.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
bench_setup "${1:-build}"
cores=$(nproc)
ratio() { echo "scale=2; $1 / $2" | bc -l; }

compare() {  # compare LABEL FILES...
  local label=$1
  shift
  local direct1 isolated1 directN isolatedN
  direct1=$(best 3 "$count" --format tsv --jobs 1 --no-isolation "$@")
  isolated1=$(best 3 "$count" --format tsv --jobs 1 "$@")
  directN=$(best 3 "$count" --format tsv --jobs "$cores" --no-isolation "$@")
  isolatedN=$(best 3 "$count" --format tsv --jobs "$cores" "$@")
  echo "$label"
  echo "  in-process, 1 job:     ${direct1}s"
  echo "  isolated,   1 job:     ${isolated1}s   isolated / in-process: $(ratio "$isolated1" "$direct1")"
  echo "  in-process, $cores jobs:    ${directN}s"
  echo "  isolated,   $cores jobs:    ${isolatedN}s   isolated / in-process: $(ratio "$isolatedN" "$directN")"
  echo "  1 job / $cores jobs (isolated): $(ratio "$isolated1" "$isolatedN")"
}

mkdir "$work/small" "$work/large" "$work/md" "$work/txt"
python3 bench/make-docx-corpus.py "$work/small" 300 150
python3 bench/make-docx-corpus.py "$work/large" 300
for ((n = 0; n < 2000; n++)); do
  echo "Note $n: a few words of text." >"$work/md/note$n.md"
  cp "$work/md/note$n.md" "$work/txt/note$n.txt"
done
cat "$work"/*/* >/dev/null  # every run reads from the page cache

compare "300 small .docx files" "$work"/small/*.docx
compare "300 ten-page .docx files" "$work"/large/*.docx
md_isolated=$(best 3 "$count" --format tsv --jobs 1 -r "$work/md")
md_direct=$(best 3 "$count" --format tsv --jobs 1 --no-isolation -r "$work/md")
txt_time=$(best 3 "$count" --format tsv --jobs 1 -r "$work/txt")
echo "2000 tiny files, 1 job"
echo "  .md isolated:   ${md_isolated}s"
echo "  .md in-process: ${md_direct}s"
echo "  .txt (scanned in-process always): ${txt_time}s"
echo "  helper round trip per file: $(echo "scale=1; ($md_isolated - $md_direct) * 1000000 / 2000" | bc -l) us"
