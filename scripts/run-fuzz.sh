#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build for SECONDS each, starting from
# its seed corpus in tests/fuzz/corpus/<name>, JOBS targets at a time. New
# inputs go to the build directory, findings to <build>/fuzz-artifacts/.
# Fails when any target finds a fault.
#   scripts/run-fuzz.sh BUILD_DIR SECONDS [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build directory}
seconds=${2:?seconds per target}
jobs=${3:-1}
seeds=tests/fuzz/corpus
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

fuzz_one() {
  local name=$1 exe="$build/tests/fuzz/fuzz_$1" work="$build/fuzz-corpus/$1"
  [ -x "$exe" ] || { echo "missing fuzz target $exe" >&2; return 1; }
  mkdir -p "$work"
  if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
       -print_final_stats=0 -artifact_prefix="$artifacts/$name-" "$work" "$seeds/$name" \
       >"$build/fuzz-$name.log" 2>&1; then
    echo "== fuzz_$name: ${seconds}s, $(grep -E "^#[0-9]+.*DONE" "$build/fuzz-$name.log" | tail -n 1)"
  else
    tail -n 60 "$build/fuzz-$name.log" >&2
    echo "fuzz_$name found a fault; the input is in $artifacts" >&2
    return 1
  fi
}
export -f fuzz_one
export build seconds seeds artifacts

find "$seeds" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort |
  xargs -P "$jobs" -I{} bash -c 'fuzz_one "$@"' _ {}
