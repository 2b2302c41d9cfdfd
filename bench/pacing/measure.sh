#!/usr/bin/env bash
# Frame pacing and CPU use of the real program in a 1920x1080 window under
# Xvfb, screen by screen, and its CPU in play against a bare SDL loop that
# draws the same frame (frame_replay) in the same Xvfb.
#
#   measure.sh <puddlestep executable> [rounds, default 3] [output folder]
#
# present_shim (LD_PRELOAD) notes the time of every present and captures one
# play frame for the replay; both are looked for beside the executable (a
# build with PUDDLESTEP_BENCH on). Screens are recognised from the game's log
# as in tests/e2e/full_cycle.sh. Each screen is sampled for 10 s:
#   title   untouched;
#   play    stage 0, walking right and left in turn (0.85 s each way, about
#           the first shop's eaves, so the stage neither ends nor runs dry);
#           `rounds` samples, each followed by a sample of the replay of five
#           play frames captured right after it, while the game is stopped
#           (SIGSTOP), so the two alternate;
#   select  the wheel dragged to the left over and over (one drag of 900
#           pixels in 0.9 s, then the next), through every board.
# Prints the table; the raw samples stay in the output folder.
#
# PACING_WINDOW=<w>x<h> measures at another window size (default 1920x1080),
# e.g. to tell the cost of filling the pixels from the loop's own timing.
set -euo pipefail

game=$(realpath "$1")
rounds=${2:-3}
out=${3:-$(dirname "$game")/../pacing}
here=$(cd "$(dirname "$0")" && pwd)
# wait_for_log and log_lines come from the end-to-end tests' helpers; this
# script sets its own fail and exit trap after them.
# shellcheck source=../../tests/e2e/lib.sh
source "$here/../../tests/e2e/lib.sh"
bin=$(dirname "$game")
shim=$bin/libpresent_shim.so
replay=$bin/frame_replay
[ -f "$shim" ] && [ -x "$replay" ] || { echo "measure: build present_shim and frame_replay (PUDDLESTEP_BENCH on)" >&2; exit 2; }

if [ -z "${PACING_INSIDE_XVFB:-}" ]; then
  export PACING_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$game" "$rounds" "$out"
fi

SECONDS_PER_SAMPLE=10
size=${PACING_WINDOW:-1920x1080}
window_w=${size%x*}
window_h=${size#*x}
mkdir -p "$out"
out=$(realpath "$out")
rm -rf "$out/capture" "$out"/*.log "$out/samples.jsonl"
mkdir -p "$out/capture"
results=$out/samples.jsonl
log=$out/game.log
stats() { python3 "$here/pacing_stats.py" "$@"; }

export SDL_AUDIODRIVER=dummy
LD_PRELOAD=$shim PUDDLESTEP_PRESENT_LOG=$out/game-presents.log PUDDLESTEP_FRAME_CAPTURE=$out/capture \
  "$game" 2>"$log" &
pid=$!
walker=""
cleanup() {
  [ -n "$walker" ] && kill "$walker" 2>/dev/null || true
  kill -CONT $pid 2>/dev/null || true
  kill $pid 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "measure: $*" >&2
  tail -n 5 "$log" >&2 || true
  exit 1
}

# Taps until the log gains `count` lines matching `pattern`: a tap is dropped
# while a fade still runs, and a fade lasts longer when frames are slow.
tap_until() {
  local x=$1 y=$2 pattern=$3 count=$4
  local mark
  mark=$(log_lines)
  for _ in $(seq 20); do
    tap "$x" "$y"
    local deadline=$((SECONDS + 4))
    while [ $SECONDS -lt $deadline ]; do
      kill -0 $pid 2>/dev/null || fail "the game exited while waiting for '$pattern'"
      [ "$(tail -n +"$mark" "$log" | grep -c -- "$pattern" || true)" -ge "$count" ] && return 0
      sleep 0.2
    done
  done
  fail "no '$pattern' in the log after 20 taps"
}

window=""
for _ in $(seq 50); do
  window=$(xdotool search --name '^Puddlestep$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "no window titled Puddlestep"
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "measure: the window opened at ${WIDTH}x${HEIGHT}; sizing it to ${window_w}x${window_h}"
xdotool windowsize "$window" "$window_w" "$window_h" windowmove "$window" 0 0
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = "$window_w" ] && [ "$HEIGHT" = "$window_h" ] || fail "the window is ${WIDTH}x${HEIGHT}, not $size"

# Design points (y up) to screen pixels: the window at the origin shows the
# 1920x1080 design area whole.
px() {
  awk -v x="$1" -v y="$2" -v w="$window_w" -v h="$window_h" 'BEGIN {
    s = w / 1920; if (h / 1080 < s) s = h / 1080;
    ox = (w - 1920 * s) / 2; oy = (h - 1080 * s) / 2;
    printf "%d %d\n", ox + x * s, oy + (1080 - y) * s }'
}
tap() { xdotool mousemove $(px "$1" "$2") click 1; }

# --- title --------------------------------------------------------------------
wait_for_log '^-960,2880$' 1 2 30
sleep 1
stats sample "$results" title $pid "$out/game-presents.log" $SECONDS_PER_SAMPLE

# --- play ---------------------------------------------------------------------
tap_until 960 540 'getStageItem' 31
sleep 3
tap_until 1344 216 '^1\.000000$' 1 # the board under the marker: stage 0
sleep 2
# Touches are dropped while the fade runs: press until the play layer answers.
mark=$(log_lines)
xdotool mousemove $(px 1440 540)
pressed=""
for _ in $(seq 15); do
  xdotool mousedown 1
  sleep 0.4
  xdotool mouseup 1
  if tail -n +"$mark" "$log" | grep -q 'migi'; then pressed=yes; break; fi
  sleep 0.4
done
[ -n "$pressed" ] || fail "the play layer never took a press"

# Right and left in turn, 0.85 s each, turning back towards x 1250 (the
# middle of the first shop's eaves) as the camera's log line shows where the
# player is (the camera follows the player's x from 960 on; "%d,%d" is that
# x -/+ 1920). Ends at the next turn once the stop file exists.
start_walking() {
  rm -f "$out/stop-walking"
  (
    while [ ! -e "$out/stop-walking" ]; do
      camera=$(tail -n 400 "$log" | grep -a -E '^-?[0-9]+,[0-9]+$' | tail -n 1 | cut -d, -f1)
      if [ $((${camera:--960} + 1920)) -gt 1250 ]; then x=480; else x=1440; fi
      xdotool mousemove $(px $x 540) mousedown 1 sleep 0.85 mouseup 1
    done
  ) &
  walker=$!
}
stop_walking() {
  touch "$out/stop-walking"
  wait "$walker" 2>/dev/null || true
  walker=""
}
goal_reached() { grep -q 'G--------O---------A--------L' "$log"; }

# Frames differ (rain, passers-by come and go): each replay draws the five
# frames captured at the end of the game's sample before it, in turn.
capture_frames() {
  local first=$1
  for frame in $(seq "$first" $((first + 4))); do
    kill -USR1 $pid
    for _ in $(seq 50); do
      [ -s "$out/capture/frame-$frame.txt" ] && break
      sleep 0.1
    done
    [ -s "$out/capture/frame-$frame.txt" ] || fail "frame $frame was not captured"
    sleep 0.3
  done
}

for round in $(seq "$rounds"); do
  start_walking
  sleep 1
  stats sample "$results" play $pid "$out/game-presents.log" $SECONDS_PER_SAMPLE
  first=$(((round - 1) * 5))
  capture_frames $first
  stop_walking
  goal_reached && fail "the stage ended while it was measured"
  read -r _ driver capture_w capture_h < <(head -n 1 "$out/capture/frame-$first.txt")
  [ "$capture_w" = "$window_w" ] && [ "$capture_h" = "$window_h" ] || fail "the game drew ${capture_w}x${capture_h}, not $size"
  sleep 0.3
  kill -STOP $pid
  LD_PRELOAD=$shim PUDDLESTEP_PRESENT_LOG=$out/replay-presents-$round.log \
    "$replay" "$out/capture" $((SECONDS_PER_SAMPLE + 3)) plain $first >"$out/replay-$round.log" 2>&1 &
  replay_pid=$!
  sleep 1
  stats sample "$results" "bare SDL replay of play frames" $replay_pid "$out/replay-presents-$round.log" \
    $SECONDS_PER_SAMPLE
  wait $replay_pid || fail "the replay failed: $(cat "$out/replay-$round.log")"
  kill -CONT $pid
  sleep 1
  # The replay's window may have taken the focus away, which pauses the game.
  xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.5
done
head -n 2 "$out/replay-1.log"

# To the goal, the result and back to the title.
xdotool mousemove $(px 1440 540)
for _ in $(seq 30); do
  xdotool mousedown 1
  sleep 1
  xdotool mouseup 1
  goal_reached && break
done
goal_reached || fail "the goal was not reached"
sleep 6
tap_until 960 540 '^-960,2880$' 2
sleep 5

# --- stage select ---------------------------------------------------------------
tap_until 960 540 'getStageItem' 31
sleep 3
chain=()
for _ in $(seq 14); do
  chain+=(mousemove $(px 1500 700) mousedown 1)
  for step in $(seq 60); do chain+=(mousemove $(px $((1500 - 15 * step)) 700) sleep 0.015); done
  chain+=(mouseup 1 sleep 0.05)
done
xdotool "${chain[@]}" &
walker=$!
sleep 1
stats sample "$results" "stage select, wheel turning" $pid "$out/game-presents.log" $SECONDS_PER_SAMPLE
kill "$walker" 2>/dev/null || true
wait "$walker" 2>/dev/null || true
walker=""
xdotool mouseup 1 || true

"$here/../../tests/e2e/close_window.py" "$window" || true
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.2
done
trap - EXIT
cleanup
echo
stats table "$results"
echo
echo "Window ${size}; CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores; renderer: $driver"
