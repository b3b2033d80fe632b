#!/usr/bin/env python3
"""Agreement of tallywright-count with the reference counts of the real-document corpus.

Usage: scripts/corpus-agreement.py [--count BIN] [--all] [--rows]

Counts every file of tests/fixtures/real/MANIFEST.tsv with BIN (default
build/src/cli/tallywright-count, default options) and prints, per format, how many files agree
with their reference exactly, within 2 % and within 10 %, for words and for characters with
spaces. It first checks every file against the checksum the manifest holds for it.

Rows whose status is "rule" (a documented difference of counting rules) or "reference" (the
reference is wrong for that file) are left out of the table unless --all is given; rows marked
"fault" (a known reader fault) or "open" (not traced yet) stay in, so the table shows what the
readers achieve. --rows lists every file that does not agree exactly.
A "twin:NAME" reference means: the same text saved as UTF-8 in the file NAME, counted by BIN.
"""

import argparse
import hashlib
import json
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "tests", "fixtures", "real")


def read_manifest():
    with open(os.path.join(CORPUS, "MANIFEST.tsv"), encoding="utf-8") as manifest:
        lines = [line.rstrip("\n") for line in manifest if not line.startswith("#")]
    header = lines[0].split("\t")
    return [dict(zip(header, line.split("\t"))) for line in lines[1:] if line]


def count_files(binary, paths):
    result = subprocess.run([binary, "--format", "json", "--"] + paths,
                            capture_output=True, text=True, check=False)
    files = json.loads(result.stdout)["files"]
    return {os.path.relpath(f["path"], CORPUS): f for f in files}


def closeness(ours, reference):
    if ours is None:
        return None
    if ours == reference:
        return 0.0
    return abs(ours - reference) / max(reference, 1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", default=os.path.join(ROOT, "build", "src", "cli",
                                                         "tallywright-count"))
    parser.add_argument("--all", action="store_true", help="keep rule differences in the table")
    parser.add_argument("--rows", action="store_true", help="list files that do not agree")
    parser.add_argument("--fixed", action="store_true",
                        help="list known faults that now agree (their status can become agree)")
    args = parser.parse_args()

    rows = read_manifest()
    for row in rows:
        with open(os.path.join(CORPUS, row["file"]), "rb") as document:
            if hashlib.sha256(document.read()).hexdigest() != row["sha256"]:
                print("checksum differs from the manifest: " + row["file"])
                return 1
    counted = count_files(args.count, [os.path.join(CORPUS, r["file"]) for r in rows])
    table = {}
    for row in rows:
        if row["reference"] == "none" or (row["status"] in ("rule", "reference") and not args.all):
            continue
        ours = counted.get(row["file"], {})
        if row["reference"].startswith("twin:"):
            twin = counted.get(row["reference"][5:], {})
            reference = (twin.get("words"), twin.get("chars_with_spaces"))
        else:
            reference = (int(row["ref_words"]), int(row["ref_chars_spaces"]))
        mine = (ours.get("words"), ours.get("chars_with_spaces"))
        fmt = os.path.splitext(row["file"])[1][1:].lower()
        stats = table.setdefault(fmt, {"files": 0, "w": [0, 0, 0], "c": [0, 0, 0]})
        stats["files"] += 1
        for key, a, b in (("w", mine[0], reference[0]), ("c", mine[1], reference[1])):
            d = closeness(a, b) if b is not None else None
            for i, limit in enumerate((0.0, 0.02, 0.10)):
                if d is not None and d <= limit:
                    stats[key][i] += 1
        if args.fixed and row["status"] == "fault" and mine == reference:
            print("now agrees: " + row["file"])
        if args.rows and mine != reference:
            why = ours.get("error") or ""
            print("%-70s %-6s ours %s ref %s %s" % (row["file"], row["status"], mine, reference,
                                                 why))

    def pct(n, total):
        return "%5.1f%%" % (100.0 * n / total) if total else "   -  "

    print("%-6s %5s | %-23s | %-23s" % ("format", "files", "words exact/<=2%/<=10%",
                                         "chars+sp exact/<=2%/<=10%"))
    for fmt in sorted(table):
        s = table[fmt]
        n = s["files"]
        print("%-6s %5d | %s %s %s | %s %s %s" % (fmt, n, *[pct(x, n) for x in s["w"]],
                                                *[pct(x, n) for x in s["c"]]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
