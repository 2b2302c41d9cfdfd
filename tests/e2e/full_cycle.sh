#!/usr/bin/env bash
# Plays one whole cycle of screens in the real window under Xvfb with the
# mouse: title -> stage select -> stage 0 held to the right until the goal ->
# result -> title. Each screen is recognised from the program's log lines and
# kept as a screenshot in the output folder.
#   full_cycle.sh <puddlestep executable> <output folder>
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png "$out"/game.log

if [ -z "${E2E_INSIDE_XVFB:-}" ]; then
  export E2E_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
log=$out/game.log
"$game" 2>"$log" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

fail() {
  echo "e2e: $*" >&2
  echo "--- last log lines ---" >&2
  tail -n 20 "$log" >&2 || true
  exit 1
}

# Waits until the log has gained `count` lines matching `pattern` since
# line `from`, for at most `seconds`.
wait_for_log() {
  local pattern=$1 from=$2 count=$3 seconds=$4
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    kill -0 $pid 2>/dev/null || fail "the game exited while waiting for '$pattern'"
    local n
    n=$(tail -n +"$from" "$log" | grep -c -- "$pattern" || true)
    [ "$n" -ge "$count" ] && return 0
    sleep 0.2
  done
  fail "no '$pattern' in the log after ${seconds}s"
}
log_lines() { wc -l <"$log"; }

# The window shows the 1920x1080 design area whole (letter-boxed); map design
# points (y up) to window pixels.
window=""
for _ in $(seq 50); do
  window=$(xdotool search --name '^Puddlestep$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "no window titled Puddlestep"
eval "$(xdotool getwindowgeometry --shell "$window")"
to_window() {
  awk -v x="$1" -v y="$2" -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
    s = w / 1920; if (h / 1080 < s) s = h / 1080;
    ox = (w - 1920 * s) / 2; oy = (h - 1080 * s) / 2;
    printf "%d %d\n", ox + x * s, oy + (1080 - y) * s }'
}
move_to() { xdotool mousemove --window "$window" $(to_window "$1" "$2"); }
shot() { import -window root "$out/$1.png"; }

# Title: the two rain curtains are centred at x 960 on start.
wait_for_log '^-960,2880$' 1 2 20
sleep 1
shot 1-title

# Tap: a 2-second fade to the stage select, which builds its 31 boards.
mark=$(log_lines)
move_to 960 540
xdotool click 1
wait_for_log 'getStageItem' "$mark" 31 20
sleep 3
shot 2-select

# A short tap on the board under the marker starts that stage; the play
# scene's gauge logs its ratio every frame from the start of the fade.
mark=$(log_lines)
move_to 1344 216
xdotool click 1
wait_for_log '^1\.000000$' "$mark" 1 30
sleep 3
shot 3-play-start

# Hold the right half until the goal (or running dry) ends the stage. Touches
# are dropped while the fade still runs (a slow build may still be fading),
# so press again until the play layer answers.
mark=$(log_lines)
move_to 1600 540
pressed=""
for _ in $(seq 15); do
  xdotool mousedown 1
  sleep 1
  if tail -n +"$mark" "$log" | grep -q 'migi'; then pressed=yes; break; fi
  xdotool mouseup 1
done
[ -n "$pressed" ] || fail "the play layer never took the press on the right half"
deadline=$((SECONDS + 90))
result=""
while [ $SECONDS -lt $deadline ]; do
  if tail -n +"$mark" "$log" | grep -q 'G--------O---------A--------L'; then result=goal; break; fi
  # The gauge logs its ratio every frame; a negative one means running dry.
  if tail -n +"$mark" "$log" | grep -q '^-0\.0*[0-9]*$'; then result=dry; break; fi
  sleep 0.2
done
xdotool mouseup 1
[ -n "$result" ] || fail "the stage did not end while walking right"
echo "e2e: stage ended: $result"
sleep 6
shot 4-result

# After the last line a tap fades back to a new title (rain centred again).
mark=$(log_lines)
move_to 960 540
xdotool click 1
wait_for_log '^-960,2880$' "$mark" 2 20
sleep 5
shot 5-title-again

# Closing the window quits cleanly.
"$(dirname "$0")/close_window.py" "$window"
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.2
done
if kill -0 $pid 2>/dev/null; then fail "the game did not exit after the window closed"; fi
trap - EXIT
wait $pid && status=0 || status=$?
[ "$status" -eq 0 ] || fail "exit code $status after closing the window"
echo "e2e: full cycle passed; screenshots in $out"
