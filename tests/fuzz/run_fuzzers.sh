#!/usr/bin/env bash
# Runs every fuzz target of a PUDDLESTEP_FUZZ build, one after the other, for
# the given seconds each, starting from its seed corpus in corpus/<target>/.
# New corpus entries go to a temporary folder that is removed afterwards;
# the repository is never written. Fails when any target finds a crash; the
# input that caused it is kept in <build dir>/fuzz-artifacts/.
#   tests/fuzz/run_fuzzers.sh <build dir> <seconds per target>
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <build dir> <seconds per target>" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/puddlestep-corpus-XXXXXX")
trap 'rm -rf "$scratch"' EXIT

failed=()
ran=0
for source in "$here"/*.cpp; do
  target=$(basename "$source" .cpp)
  binary="$build/bin/$target"
  if [ ! -x "$binary" ]; then
    echo "run_fuzzers: $binary is missing (configure with -DPUDDLESTEP_FUZZ=ON and build)" >&2
    failed+=("$target")
    continue
  fi
  mkdir -p "$scratch/$target"
  echo "== $target: ${seconds} s"
  # The first corpus folder receives the new entries; the seeds are only read.
  if "$binary" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" "$scratch/$target" "$here/corpus/$target" \
      >"$scratch/$target.log" 2>&1; then
    grep -E '^(#[0-9]+.*DONE|Done|stat::number_of_executed_units|stat::average_exec_per_sec)' \
      "$scratch/$target.log" || true
  else
    tail -n 60 "$scratch/$target.log"
    echo "run_fuzzers: $target failed; the input is in $artifacts" >&2
    failed+=("$target")
  fi
  ran=$((ran + 1))
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "run_fuzzers: ${#failed[@]} of $ran targets failed: ${failed[*]}" >&2
  exit 1
fi
echo "run_fuzzers: all $ran targets ran ${seconds} s without a crash"
