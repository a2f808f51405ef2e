#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build for SECONDS each, starting from
# its seed corpus in tests/fuzz/corpus/<name>. New inputs go to the build
# directory, findings to <build>/fuzz-artifacts/. Fails on the first finding.
#   scripts/run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build directory}
seconds=${2:?seconds per target}
seeds=tests/fuzz/corpus
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

for seed in "$seeds"/*/; do
  name=$(basename "$seed")
  exe="$build/tests/fuzz/fuzz_$name"
  [ -x "$exe" ] || { echo "missing fuzz target $exe" >&2; exit 1; }
  work="$build/fuzz-corpus/$name"
  mkdir -p "$work"
  echo "== fuzz_$name: ${seconds}s"
  "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=0 -artifact_prefix="$artifacts/$name-" "$work" "$seed" \
    >"$build/fuzz-$name.log" 2>&1 || {
      tail -n 60 "$build/fuzz-$name.log" >&2
      echo "fuzz_$name found a fault; the input is in $artifacts" >&2
      exit 1
    }
  grep -E "^#[0-9]+.*DONE" "$build/fuzz-$name.log" | tail -n 1 || true
done
