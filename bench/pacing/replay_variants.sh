#!/usr/bin/env bash
# What cheaper drawing would save: the captured play frames of a measure.sh
# run drawn by frame_replay as captured and in its variants, in turn, in a
# 1920x1080 Xvfb screen; prints each one's frame timing and CPU a frame.
#
#   replay_variants.sh <frame_replay executable> <capture folder> [rounds, default 3]
set -euo pipefail

replay=$(realpath "$1")
capture=$(realpath "$2")
rounds=${3:-3}
here=$(cd "$(dirname "$0")" && pwd)
shim=$(dirname "$replay")/libpresent_shim.so

if [ -z "${PACING_INSIDE_XVFB:-}" ]; then
  export PACING_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$replay" "$capture" "$rounds"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for _ in $(seq "$rounds"); do
  for variant in plain opaque-unblended unscaled-nearest both; do
    rm -f "$out/presents.log"
    LD_PRELOAD=$shim PUDDLESTEP_PRESENT_LOG=$out/presents.log "$replay" "$capture" 9 "$variant" >/dev/null &
    pid=$!
    sleep 1
    python3 "$here/pacing_stats.py" sample "$out/samples.jsonl" "replay, $variant" $pid "$out/presents.log" 6 >/dev/null
    wait $pid
  done
done
python3 "$here/pacing_stats.py" table "$out/samples.jsonl"
