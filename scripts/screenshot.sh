#!/usr/bin/env bash
# Takes the README's screenshots of the main window under a virtual X server: a clean home and
# configuration folder, a translator's job folder (copies of samples/) selected in the tree, its
# files in the count list, counted and priced by words at 0.01. One picture in English
# (docs/screenshot.png) and one in German (docs/screenshot-de.png).
# Where mount namespaces are allowed the clean home is mounted at /home/ann, so no path of the
# machine it ran on appears; elsewhere it lies in a temporary folder.
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
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The clean home: a job folder with the sample documents, nothing else.
mkdir -p "$work/home/ann/Jobs/Brochure 2024" "$work/home/ann/Jobs/Website" "$work/home/ann/Documents"
cp "$root"/samples/* "$work/home/ann/Jobs/Brochure 2024/"

# Each start runs in the clean home; the commands exec one another, so $! is the program itself.
# Run as root, the namespace also drops the machine's own mounts under /mnt and /media, which the
# folder tree would show (a user namespace keeps its parent's mounts and cannot drop them).
cat > "$work/enter-home.sh" <<'ENTER'
#!/bin/sh
work=$1 drop_mounts=$2
shift 2
if [ "$drop_mounts" = yes ]; then
  mount --make-rprivate /
  awk '$2 ~ "^/(mnt|media)/" {print $2}' /proc/self/mounts | sort -r | while read -r point; do
    umount -l "$point" 2>/dev/null || true
  done
fi
mount --bind "$work/home" /home && cd /home/ann && exec "$@"
ENTER
if [ "$(id -u)" = 0 ] && unshare -m true 2>/dev/null; then
  home=/home/ann
  in_home=(unshare -m sh "$work/enter-home.sh" "$work" yes)
elif unshare -rm true 2>/dev/null; then
  home=/home/ann
  in_home=(unshare -rm sh "$work/enter-home.sh" "$work" no)
else
  home="$work/home/ann"
  in_home=(sh -c 'cd "$0/home/ann" && exec "$@"' "$work")
fi

files=()
for file in "$work/home/ann/Jobs/Brochure 2024"/*; do
  files+=("$home/Jobs/Brochure 2024/$(basename "$file")")
done

Xvfb "$display" -screen 0 1100x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1

# settings.ini (UTF-16LE, CR LF): the job folder, rate 0.01, EUR, priced by words, every countable
# type; no window keys, so the window covers the screen.
settings() {
  printf 'Directory=%s\r\nCurrencyValue=0.01\r\nCurrencyName=0\r\nPricingBy=2\r\nCountTxt=1\r\nCountDoc=1\r\nCountRtf=1\r\nCountXls=1\r\nCountHtm=1\r\nCountPPT=1\r\nCountPdf=1\r\nCurrencyCode=EUR\r\n' \
    "$home/Jobs/Brochure 2024" | iconv -f UTF-8 -t UTF-16LE
}

# shoot LANGUAGE OUTPUT: starts the program afresh, counts the job folder's files and takes the
# picture. The configuration folder lies outside the home, so the tree does not show it.
shoot() {
  local language=$1 output=$2
  rm -rf "$work/config"
  mkdir -p "$work/config/tallywright"
  settings > "$work/config/tallywright/settings.ini"
  "${in_home[@]}" env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$work/config" \
    LANG="$language.UTF-8" LC_ALL="$language.UTF-8" LANGUAGE="${language%%_*}" \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    "$binary" --count "${files[@]}" >/dev/null 2>&1 &
  local app_pid=$!
  sleep 5
  DISPLAY="$display" import -window root "$output"
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  echo "$output written"
}

mkdir -p docs
shoot en_US docs/screenshot.png
shoot de_DE docs/screenshot-de.png
