#!/usr/bin/env bash
# Checks a built .deb: its dependencies and contents, the desktop entry, the AppStream metainfo
# and the man pages, then runs tallywright-count from the unpacked package (which must find its
# reader helper there) and, where lintian is installed, lets lintian judge it.
# Usage: scripts/check-package.sh path/to/tallywright_VERSION_ARCH.deb
set -euo pipefail
deb=$(realpath "$1")
root_dir=$(cd "$(dirname "$0")/.." && pwd)
fixtures=$root_dir/tests/fixtures
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "check-package.sh: $*" >&2
  exit 1
}

version=$(dpkg-deb -f "$deb" Version)
depends=$(dpkg-deb -f "$deb" Depends)
# shlibdeps found the libraries the programs link.
for library in libc6 libqt6widgets6 libpoppler-cpp libdeflate zlib1g libgsf libpugixml libicu \
  libxlsxwriter; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

# Every dependency is a package of this system, at a version it satisfies.
IFS=',' read -ra dependencies <<<"$depends"
for dependency in "${dependencies[@]}"; do
  read -r name relation wanted <<<"$(tr -d '()' <<<"$dependency")"
  installed=$(dpkg-query -W -f='${Version}\n' "$name" 2>/dev/null | head -n1)
  [ -n "$installed" ] || fail "the dependency $name is no installed package"
  if [ -n "$wanted" ]; then
    dpkg --compare-versions "$installed" "$relation" "$wanted" ||
      fail "the dependency $dependency is not met by $name $installed"
  fi
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/tallywright /usr/bin/tallywright-count \
  /usr/libexec/tallywright/tallywright-reader \
  /usr/lib/x86_64-linux-gnu/tallywright/libtallywright-pdf.so \
  /usr/lib/x86_64-linux-gnu/tallywright/libtallywright-compound.so \
  /usr/lib/x86_64-linux-gnu/tallywright/libtallywright-xlsx.so \
  /usr/share/applications/tallywright.desktop \
  /usr/share/icons/hicolor/scalable/apps/tallywright.svg \
  /usr/share/icons/hicolor/48x48/apps/tallywright.png \
  /usr/share/icons/hicolor/256x256/apps/tallywright.png \
  /usr/share/metainfo/io.github.tallywright.Tallywright.metainfo.xml \
  /usr/share/man/man1/tallywright.1.gz /usr/share/man/man1/tallywright-count.1.gz \
  /usr/share/bash-completion/completions/tallywright-count \
  /usr/share/zsh/vendor-completions/_tallywright-count \
  /usr/share/doc/tallywright/copyright; do
  grep -qx "$path" "$work/contents" || fail "$path is not in the package"
done
# Translations are packaged when the build installs them.
build_qm=$(find "$(dirname "$deb")" -name '*.qm' -not -path '*/_CPack_Packages/*' | wc -l)
if ((build_qm > 0)); then
  grep -q '\.qm$' "$work/contents" || fail "the build has translations but the package none"
fi

# Installed by dpkg into an empty root (whose dependencies are the system's, checked above).
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --log=/dev/null --force-depends --force-script-chrootless -i "$deb" \
  >"$work/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$work/dpkg.log")"
dpkg --root="$root" -s tallywright | grep -q '^Status: install ok installed' ||
  fail "dpkg does not list the package as installed"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "appstreamcli rejects the metainfo"
grep -q "release version=\"$version\"" "$root"/usr/share/metainfo/*.metainfo.xml ||
  fail "the metainfo does not name release $version"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate --no-hints "$root/usr/share/applications/tallywright.desktop"
fi
for page in tallywright tallywright-count; do
  MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 | grep -q "^NAME" ||
    fail "man does not show $page(1)"
done

# Each program's --help and its man page name the same options.
help_options() {
  QT_QPA_PLATFORM=offscreen "$1" --help 2>/dev/null | sed -n 's/^  \(-[^ ].*\)/\1/p' | sed 's/  .*//' |
    grep -oE -- '-{1,2}[a-z0-9][-a-z0-9]*' | sort -u
}
man_options() {
  zcat "$1" | grep -E '^\\fB-' | grep -oE -- '\\fB-{1,2}[a-z0-9][-a-z0-9]*\\fR' |
    sed 's/\\fB//; s/\\fR//' | sort -u
}
for program in tallywright tallywright-count; do
  diff <(help_options "$root/usr/bin/$program") \
    <(man_options "$root/usr/share/man/man1/$program.1.gz") ||
    fail "$program --help and its man page name different options (<: --help, >: man page)"
done

count=$root/usr/bin/tallywright-count
[ "$("$count" --version)" = "tallywright-count $version" ] || fail "--version is not $version"
# A PDF is read by the packaged helper, found beside the packaged program.
(cd "$fixtures" && find text pdf -name '*.txt' -print0 -o -name 'columns.pdf' -print0 |
  "$count" -0 --format tsv - >"$work/counted.tsv")
grep -q '^pdf/columns.pdf	10	' "$work/counted.tsv" ||
  fail "the packaged program did not count columns.pdf: $(cat "$work/counted.tsv")"
# The packaged modules, not the build tree's, are the ones loaded: a .doc read in-process and an
# XLSX export.
LD_DEBUG=files "$count" --no-isolation --export "$work/counted.xlsx" "$fixtures/word/plain.doc" \
  >/dev/null 2>"$work/loaded"
for module in compound xlsx; do
  grep "file=.*libtallywright-$module.so" "$work/loaded" | grep -q "$root/usr/lib" ||
    fail "libtallywright-$module.so was not loaded from the package"
done
# The json output parses even when a file fails.
if "$count" --format json "$work/missing.txt" >"$work/out.json" 2>"$work/errors"; then
  fail "a missing file did not fail the run"
fi
[ "$(cat "$work/errors")" = "tallywright-count: $work/missing.txt: No such file or directory" ] ||
  fail "unexpected error line: $(cat "$work/errors")"
if command -v python3 >/dev/null; then
  python3 -m json.tool "$work/out.json" >/dev/null || fail "the json output is not JSON"
fi

if command -v lintian >/dev/null; then
  # Tags that do not apply to a package built outside a Debian source tree.
  lintian --fail-on error,warning --suppress-tags \
    no-changelog,changelog-file-missing-in-native-package,debian-changelog-file-missing \
    "$deb"
fi
echo "check-package.sh: $(basename "$deb") is complete"
