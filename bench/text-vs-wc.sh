#!/usr/bin/env bash
# Times tallywright-count against `LC_ALL=C wc -w` on the same generated 256 MB text file, in one
# run, and prints the ratio. Usage: bench/text-vs-wc.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/lib.sh
bench_setup "${1:-build}"
file=$work/big.txt
# 256 MB of words of varying length, punctuation and line breaks.
python3 - "$file" <<'PY'
import random, sys
rng = random.Random(7)  # the same text on every run
words = ["".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(1, 12)))
         for _ in range(5000)]
chunk = []
for i in range(200000):
    chunk.append(rng.choice(words))
    chunk.append(rng.choice([" ", " ", " ", ", ", ".\n", "\t"]))
block = "".join(chunk).encode()
target = 256 * 1024 * 1024
with open(sys.argv[1], "wb") as out:
    written = 0
    while written < target:
        piece = block[: target - written]
        out.write(piece)
        written += len(piece)
PY
cat "$file" >/dev/null  # both runs read from the page cache

wc_time=$(best 3 env LC_ALL=C wc -w "$file")
tw_time=$(best 3 "$count" --format tsv "$file")
echo "wc -w:             ${wc_time}s"
echo "tallywright-count: ${tw_time}s"
echo "speed-up over wc -w: $(echo "scale=2; $wc_time / $tw_time" | bc -l)x"
