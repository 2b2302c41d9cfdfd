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
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
run_in_xvfb "$@"
rm -f "$out"/[1-5]-*.png "$out"/game.log

start_game game
sleep 1
shot 1-title

# Tap: a 2-second fade to the stage select, which builds its 31 boards.
to_select
sleep 0.5
shot 2-select

# A short tap on the board under the marker starts that stage.
to_play
sleep 0.5
shot 3-play-start

# Hold the right half until the goal (or running dry) ends the stage.
mark=$(log_lines)
press_right
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
click_at 960 540
wait_for_log '^-960,2880$' "$mark" 2 20
sleep 5
shot 5-title-again

# Closing the window quits cleanly.
close_game
echo "e2e: full cycle passed; screenshots in $out"
