# Shared helpers of the end-to-end tests: the real program in an Xvfb window,
# recognised from its log lines, driven with xdotool. Sourced by the tests;
# they set `game` (the executable) and `out` (the output folder) first.
#   run_in_xvfb "$@"   re-runs the calling script inside a fresh Xvfb
#   start_game NAME    starts the game, logging to $out/NAME.log; sets
#                      pid, log and window
#   close_game         closes the window, expects exit code 0 and a log
#                      without a sanitizer report

e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
pid=""
log=""
window=""

run_in_xvfb() {
  if [ -z "${E2E_INSIDE_XVFB:-}" ]; then
    export E2E_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
  fi
}

export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$e2e_dir/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

fail() {
  echo "e2e: $*" >&2
  if [ -n "$log" ]; then
    echo "--- last lines of $log ---" >&2
    tail -n 20 "$log" >&2 || true
  fi
  exit 1
}

stop_game() {
  if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
}
trap stop_game EXIT

log_lines() { wc -l <"$log"; }

# Waits until the log has gained `count` lines matching `pattern` since
# line `from`, for at most `seconds`.
wait_for_log() {
  local pattern=$1 from=$2 count=$3 seconds=$4
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$pid" 2>/dev/null || fail "the game exited while waiting for '$pattern'"
    local n
    n=$(tail -n +"$from" "$log" | grep -c -- "$pattern" || true)
    [ "$n" -ge "$count" ] && return 0
    sleep 0.2
  done
  fail "no '$pattern' in the log after ${seconds}s"
}

# The play scene's gauge logs its ratio ("%f") every frame.
GAUGE='^-\?[0-9]\+\.[0-9]\{6\}$'
gauge_lines() { grep -c -- "$GAUGE" "$log" || true; }
last_gauge() { grep -- "$GAUGE" "$log" | tail -n 1; }

# Window geometry in the shell variables X, Y, WIDTH, HEIGHT.
read_geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; }

start_game() {
  log=$out/$1.log
  "$game" 2>"$log" &
  pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Puddlestep$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the game exited before its window showed"
    sleep 0.2
  done
  [ -n "$window" ] || fail "no window titled Puddlestep"
  # With no window manager the focus follows the pointer; give it to the
  # window for good, as a window manager does with a new window (an
  # unfocused window counts as in the background).
  xdotool windowfocus --sync "$window"
  read_geometry
  # Title: the two rain curtains are centred at x 960 on start.
  wait_for_log '^-960,2880$' 1 2 30
}

# The window shows the 1920x1080 design area whole (letter-boxed); map design
# points (y up) to window pixels for the current window size.
to_window() {
  awk -v x="$1" -v y="$2" -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
    s = w / 1920; if (h / 1080 < s) s = h / 1080;
    ox = int((w - int(1920 * s + 0.5)) / 2); oy = int((h - int(1080 * s + 0.5)) / 2);
    printf "%d %d\n", ox + x * s, oy + (1080 - y) * s }'
}
move_to() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$window" $(to_window "$1" "$2")
}
click_at() { move_to "$1" "$2"; xdotool click 1; }
shot() { import -window root "$out/$1.png"; }
# Only the window's pixels.
window_shot() {
  read_geometry
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
}

# Waits (at most `seconds`) until two window pictures a moment apart are
# the same: a fade is over on a screen without animation.
wait_still() {
  local seconds=$1 deadline=$((SECONDS + $1)) diff
  read_geometry
  while [ $SECONDS -lt $deadline ]; do
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/still-a.png"
    sleep 0.3
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/still-b.png"
    diff=$(compare -metric AE "$out/still-a.png" "$out/still-b.png" null: 2>&1 || true)
    if [ "$diff" = 0 ]; then rm -f "$out"/still-[ab].png; return 0; fi
  done
  fail "the picture did not settle within ${seconds}s"
}

# Taps a design point until `count` lines matching `pattern` have come since:
# a fade drops touches, and on a busy machine it ends late.
tap_until() {
  local x=$1 y=$2 pattern=$3 count=$4 mark
  mark=$(log_lines)
  for _ in $(seq 8); do
    click_at "$x" "$y"
    for _ in $(seq 20); do
      kill -0 "$pid" 2>/dev/null || fail "the game exited while waiting for '$pattern'"
      [ "$(tail -n +"$mark" "$log" | grep -c -- "$pattern" || true)" -ge "$count" ] && return 0
      sleep 0.2
    done
  done
  fail "tapping $x,$y brought no '$pattern'"
}

# Title -> stage select: the tap builds the select screen's 31 boards; waits
# until the 2-second fade is over (the screen holds still).
to_select() {
  tap_until 960 540 'getStageItem' 31
  sleep 1.5
  wait_still 30
}

# Stage select -> stage 0: a short tap on the board under the marker; the
# gauge logs from the start of the fade in. Waits until the fade is over.
to_play() {
  tap_until 1344 216 "$GAUGE" 1
  sleep 2.5
}

# Play: presses the right half until the play layer answers ("migi"); touches
# are dropped while a fade still runs.
press_right() {
  local mark
  mark=$(log_lines)
  move_to 1600 540
  for _ in $(seq 15); do
    xdotool mousedown 1
    sleep 0.5
    if tail -n +"$mark" "$log" | grep -q 'migi'; then return 0; fi
    xdotool mouseup 1
    sleep 0.2
  done
  fail "the play layer never took the press on the right half"
}

# Holds right until the goal (stage 0 is walked straight with dryness left).
to_result() {
  local mark=$(log_lines)
  press_right
  wait_for_log 'G--------O---------A--------L' "$mark" 1 60
  xdotool mouseup 1
}

# Minimising under X: the window manager unmaps an iconified window and maps
# it again on restore, giving it the focus; SDL reports the unmapping as
# minimised and the mapping as restored. Xvfb runs no window manager (an
# iconify request would go unanswered), so do its part here.
minimise() { xdotool windowunmap --sync "$window"; }
restore() { xdotool windowmap --sync "$window" windowfocus --sync "$window"; }

# Processor time of the whole game process (every thread) in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

# Percent of one core used by the game over the next `seconds`.
cpu_percent() {
  local seconds=$1 t0 t1 c0 c1
  t0=$(date +%s.%N); c0=$(cpu_ticks)
  sleep "$seconds"
  t1=$(date +%s.%N); c1=$(cpu_ticks)
  awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" \
    'BEGIN { printf "%.1f\n", 100 * c / hz / (t1 - t0) }'
}

# Closes the window the way a window manager's close button does and
# expects a clean exit: code 0 and no sanitizer report in the log.
close_game() {
  "$e2e_dir/close_window.py" "$window"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not exit after the window closed"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "exit code $status after closing the window"
  if grep -q 'Sanitizer\|runtime error:' "$log"; then fail "a sanitizer report in $log"; fi
}
