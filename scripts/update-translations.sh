#!/usr/bin/env bash
# Brings translations/*.ts up to date with the strings of the window (src/app, src/browser):
# new strings arrive untranslated, strings no longer used are dropped. Edit the .ts files with
# Qt Linguist (or by hand) afterwards; the build turns them into .qm files.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
languages=(de fr es ru zh_CN)
ts=()
for language in "${languages[@]}"; do ts+=("translations/tallywright_${language}.ts"); done
"$lupdate" -no-obsolete -locations none -extensions cpp,h -I src src/app src/browser -ts "${ts[@]}"
