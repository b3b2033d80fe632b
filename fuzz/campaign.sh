#!/usr/bin/env bash
# A long fuzzing campaign: every target in turn (one at a time, at the lowest priority) for the
# given minutes each, with its format's dictionary. The corpus a target grows is merged and
# minimized back into build-fuzz/campaign/corpus/<target> (seeded from fuzz/corpus/<target>), so
# the next campaign starts where this one stopped; every crash, leak, timeout or out-of-memory
# finding is copied into tests/fixtures/crashes/<target>/, where the replay tests read it on every
# test run (slow units are not: see below).
#
# Usage: fuzz/campaign.sh MINUTES [target...]    (targets by name without _fuzzer; all if none)
# Environment: FUZZ_RSS_MB (default 2048), FUZZ_TIMEOUT seconds per input (default 10),
# FUZZ_LANES (default 1): how many targets run side by side; more than one only pays on a machine
# whose cores would otherwise idle, as each lane wants a whole core.
# Prints a Markdown table of executions and coverage per target, also kept in
# build-fuzz/campaign/summary.md.
set -euo pipefail
cd "$(dirname "$0")/.."
# Leaks inside libraries we cannot mend are listed there; our own leaks still fail the run. The
# full stack of each allocation is kept (slower), as the libraries' frames carry no frame pointers
# and a suppression can only name a function the stack shows.
export ASAN_OPTIONS="fast_unwind_on_malloc=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
minutes=${1:?usage: fuzz/campaign.sh MINUTES [target...]}
shift
seconds=$((minutes * 60))
rss=${FUZZ_RSS_MB:-2048}
timeout=${FUZZ_TIMEOUT:-10}

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYWRIGHT_GUI=OFF -DTALLYWRIGHT_TESTS=OFF -DTALLYWRIGHT_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
nice -n 19 cmake --build build-fuzz --parallel "$(nproc)"

# The dictionary parts each target's format speaks.
dictionary_parts() {
  case $1 in
    docx | pptx | opendocument | spreadsheet | books) echo "$1 xml zip" ;;
    xliff) echo "xliff xml" ;;
    *) echo "$1" ;;
  esac
}

campaign=build-fuzz/campaign
mkdir -p "$campaign/corpus" "$campaign/logs"
summary=$campaign/summary.md
rows=$campaign/rows
rm -rf "$rows"
mkdir -p "$rows"
lanes=${FUZZ_LANES:-1}

# Reads the last status line libFuzzer printed ("#1234 ... cov: 56 ft: 78 corp: 9/1kb ...").
last_stat() {
  grep -E '^#[0-9]+' "$1" | tail -1 | sed -nE "s/.*$2: ([0-9]+).*/\1/p"
}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for fuzzer in build-fuzz/fuzz/*_fuzzer; do
    name=$(basename "$fuzzer")
    targets+=("${name%_fuzzer}")
  done
fi

# Fuzzes one target for the campaign's minutes and leaves its summary row in $rows/<target>.
fuzz_target() {
  local target=$1
  local fuzzer corpus work artifacts dictionary log started left merged executions rate coverage
  local features crashes kind part artifact dictionary_option
  fuzzer=build-fuzz/fuzz/${target}_fuzzer
  corpus=$campaign/corpus/$target
  work=$campaign/runs/$target
  artifacts=$campaign/artifacts/$target
  rm -rf "$work"
  mkdir -p "$corpus" "$work" "$artifacts"
  [ -d "fuzz/corpus/$target" ] && cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true

  dictionary=$campaign/$target.dict
  : >"$dictionary"
  for part in $(dictionary_parts "$target"); do
    [ -f "fuzz/dict/$part.dict" ] && cat "fuzz/dict/$part.dict" >>"$dictionary"
  done

  # libFuzzer refuses an empty dictionary; a format without one runs without.
  dictionary_option=
  [ -s "$dictionary" ] && dictionary_option=-dict=$dictionary
  log=$campaign/logs/$target.log
  echo "fuzzing $target for ${minutes} min"
  # A crash stops libFuzzer; the campaign keeps going so the time is spent, and the artifacts
  # are collected below.
  started=$(date +%s)
  while :; do
    left=$((seconds - ($(date +%s) - started)))
    [ "$left" -gt 5 ] || break
    nice -n 19 "$fuzzer" -max_total_time="$left" -rss_limit_mb="$rss" -timeout="$timeout" \
      ${dictionary_option:+"$dictionary_option"} -artifact_prefix="$artifacts/" -print_final_stats=1 \
      "$work" "$corpus" >>"$log" 2>&1 || echo "  $target stopped on a finding; going on"
  done

  # Merge what this run found into the kept corpus, keeping only inputs that add coverage.
  merged=$campaign/merged/$target
  rm -rf "$merged"
  mkdir -p "$merged"
  nice -n 19 "$fuzzer" -merge=1 -rss_limit_mb="$rss" -timeout="$timeout" \
    "$merged" "$corpus" "$work" >"$campaign/logs/$target.merge.log" 2>&1 || true
  if [ -n "$(ls -A "$merged")" ]; then
    rm -rf "$corpus"
    mv "$merged" "$corpus"
  fi

  executions=$(grep -h 'stat::number_of_executed_units' "$log" | awk '{s += $2} END {print s + 0}')
  rate=$((executions / (seconds > 0 ? seconds : 1)))
  coverage=$(last_stat "$log" cov)
  features=$(last_stat "$log" ft)
  crashes=0
  mkdir -p "tests/fixtures/crashes/$target"
  # Only faults are kept: a slow unit (slow-unit-*) is an input that took long under the load of
  # the moment, which a quiet machine need not repeat, so it proves nothing in a replay.
  for artifact in "$artifacts"/crash-* "$artifacts"/leak-* "$artifacts"/timeout-* \
    "$artifacts"/oom-*; do
    [ -f "$artifact" ] || continue
    kind=$(basename "$artifact" | cut -d- -f1)
    cp "$artifact" "tests/fixtures/crashes/$target/$kind-$(sha1sum "$artifact" | cut -c1-16)"
    crashes=$((crashes + 1))
  done
  rmdir "tests/fixtures/crashes/$target" 2>/dev/null || true
  echo "| $target | $minutes | $executions | $rate | ${coverage:-?} | ${features:-?} |" \
    "$(ls "$corpus" | wc -l) | $crashes |" >"$rows/$target"
}

for target in "${targets[@]}"; do
  [ -x "build-fuzz/fuzz/${target}_fuzzer" ] || { echo "no fuzz target $target" >&2; exit 2; }
done

# Each lane takes every lanes-th target, in turn.
run_lane() {
  local index
  for ((index = $1; index < ${#targets[@]}; index += lanes)); do
    fuzz_target "${targets[index]}"
  done
}

for ((lane = 0; lane < lanes; lane++)); do
  run_lane "$lane" &
done
wait

{
  echo "| target | minutes | executions | exec/s | coverage (edges) | features | corpus | crashes |"
  echo "|---|---|---|---|---|---|---|---|"
  for target in "${targets[@]}"; do
    cat "$rows/$target" 2>/dev/null || echo "| $target | $minutes | did not finish | | | | | |"
  done
} >"$summary"
cat "$summary"
