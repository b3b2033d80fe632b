# Shared by the whole-program benchmarks: source it after `cd` to the repository's root.

# Sets $count to the built tallywright-count of the build folder $1 and $work to a fresh
# folder removed on exit.
bench_setup() {
  count=${1:-build}/src/cli/tallywright-count
  [ -x "$count" ] || { echo "build $count first" >&2; exit 1; }
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
}

# best RUNS COMMAND...: the best wall-clock seconds of RUNS runs of COMMAND.
best() {
  local runs=$1 best=""
  shift
  for ((i = 0; i < runs; i++)); do
    local start end took
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    took=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || (($(echo "$took < $best" | bc -l))); then best=$took; fi
  done
  echo "$best"
}
