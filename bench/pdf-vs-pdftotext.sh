#!/usr/bin/env bash
# Times tallywright-count against `pdftotext -q FILE /dev/null` (the same PDF library) on the same
# generated 300-page text PDF, in one run, and prints the ratio; the goal is at most 1.2x.
# Usage: bench/pdf-vs-pdftotext.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
command -v pdftotext >/dev/null || { echo "pdftotext (poppler-utils) is needed" >&2; exit 1; }
. bench/lib.sh
bench_setup "${1:-build}"

# About 300 pages of running text: paragraphs of random words with punctuation.
python3 - "$work/book.html" <<'PY'
import random, sys
rng = random.Random(11)  # the same book on every run
words = ["".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(1, 11)))
         for _ in range(3000)]
paragraphs = []
for _ in range(3000):
    sentence = " ".join(rng.choice(words) for _ in range(rng.randint(40, 70)))
    paragraphs.append("<p>" + sentence.capitalize().replace(" a ", ", a ") + ".</p>")
with open(sys.argv[1], "w") as out:
    out.write("<!DOCTYPE html><html><head><meta charset='utf-8'><title>book</title></head><body>\n")
    out.write("\n".join(paragraphs))
    out.write("\n</body></html>\n")
PY
soffice -env:UserInstallation="file://$work/lo-profile" --headless --infilter="HTML (StarWriter)" \
  --convert-to pdf:writer_pdf_Export --outdir "$work" "$work/book.html" >/dev/null 2>&1
file=$work/book.pdf
[ -f "$file" ] || { echo "LibreOffice did not make $file" >&2; exit 1; }
echo "document: $(pdfinfo "$file" | awk '/^Pages:/ {print $2}') pages, $(stat -c %s "$file") bytes"
cat "$file" >/dev/null  # both runs read from the page cache

pdftotext_time=$(best 5 pdftotext -q "$file" /dev/null)
tw_time=$(best 5 "$count" --format tsv "$file")
echo "pdftotext -q:      ${pdftotext_time}s"
echo "tallywright-count: ${tw_time}s"
echo "ratio (tallywright-count / pdftotext): $(echo "scale=2; $tw_time / $pdftotext_time" | bc -l)x (goal <= 1.2x)"

# Processor time (user + system, the helper process included), which a busy machine disturbs less.
cpu() {  # best of five processor seconds of a command
  python3 - "$@" <<'PY'
import resource, subprocess, sys
best = None
for _ in range(5):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=False)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    took = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    best = took if best is None else min(best, took)
print(f"{best:.3f}")
PY
}
pdftotext_cpu=$(cpu pdftotext -q "$file" /dev/null)
tw_cpu=$(cpu "$count" --format tsv "$file")
echo "processor time: pdftotext ${pdftotext_cpu}s, tallywright-count ${tw_cpu}s," \
  "ratio $(echo "scale=2; $tw_cpu / $pdftotext_cpu" | bc -l)x"
