#!/usr/bin/env bash
# Takes a screenshot of the main window under a virtual X server into docs/screenshot.png: the
# samples/ folder selected in the tree, its files in the count list, counted and priced by words.
# Usage: scripts/screenshot.sh [path to the tallywright binary]   (default build/src/app/tallywright)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
binary=$(realpath "${1:-build/src/app/tallywright}")
for tool in Xvfb import; do
  command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing" >&2; exit 1; }
done
[ -x "$binary" ] || { echo "screenshot.sh: no program at $binary (build it first)" >&2; exit 1; }

work=$(mktemp -d)
display=":$((90 + RANDOM % 400))"
xvfb_pid=""
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# settings.ini is UTF-16LE with CR LF line ends: the samples folder, rate 0.01, USD (index 2),
# priced by words (index 2), every countable type listed, the window at 0,0 sized 1100 x 720.
printf 'Directory=%s\r\nCurrencyValue=0.01\r\nCurrencyName=2\r\nPricingBy=2\r\nCountTxt=1\r\nCountDoc=1\r\nCountRtf=1\r\nCountXls=0\r\nCountHtm=1\r\nCountPPT=1\r\nCountPdf=1\r\n\r\n[Window position]\r\nBottom=720\r\nRight=1100\r\nTop=0\r\nLeft=0\r\n' \
  "$root/samples" | iconv -f UTF-8 -t UTF-16LE > "$work/settings.ini"

Xvfb "$display" -screen 0 1100x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
(cd "$work" && DISPLAY="$display" QT_QPA_PLATFORM=xcb exec "$binary" --count "$root"/samples/*) \
  >/dev/null 2>&1 &
app_pid=$!
sleep 4
mkdir -p docs
DISPLAY="$display" import -window root docs/screenshot.png
echo "docs/screenshot.png written"
