#!/usr/bin/env bash
# Minimising and restoring the real window on every kind of screen: while
# minimised nothing advances and the process sleeps; after a restore each
# screen goes on from where it was, without the time spent away.
#   window_minimise.sh <puddlestep executable> <output folder>
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
run_in_xvfb "$@"
rm -f "$out"/minimise-*.png "$out"/minimise.log

# Brightness (0 to 1) of a part of a window screenshot given in fractions of
# its size: `stat` is maxima, mean or standard_deviation.
brightness() {
  local file=$1 stat=$2 left=$3 top=$4 width=$5 height=$6
  convert "$file" -colorspace gray \
    -crop "$(awk -v W="$WIDTH" -v H="$HEIGHT" -v l="$left" -v t="$top" -v w="$width" -v h="$height" \
      'BEGIN { printf "%dx%d+%d+%d", w * W, h * H, l * W, t * H }')" \
    -format "%[fx:$stat]" info:
}

# How many of the result screen's four lines (design y 810, 710, 610, 360 on
# a black screen) show white text; the window is 16:9, so no bars.
result_lines_shown() {
  local file=$out/$1.png shown=0 y
  window_shot "$1"
  for y in 810 710 610 360; do
    local max
    max=$(brightness "$file" maxima 0.3 "$(awk -v y="$y" 'BEGIN { print (1080 - y - 25) / 1080 }')" 0.4 0.046)
    awk -v m="$max" 'BEGIN { exit !(m > 0.8) }' && shown=$((shown + 1))
  done
  echo "$shown"
}

start_game minimise

# --- stage select: a held press does not survive a minimise; a quick tap
# right after a restore still starts the stage (the hold counts only time
# the screen ran).
to_select
minimise
sleep 1
# Nothing is drawn or updated while minimised: not one log line.
mark=$(log_lines)
sleep 2
[ "$(log_lines)" -eq "$mark" ] || fail "the stage select logged while minimised"
restore
move_to 1344 216
xdotool mousedown 1
sleep 0.1
minimise
sleep 1
restore
xdotool mouseup 1
sleep 1.5
[ "$(gauge_lines)" -eq 0 ] || fail "a press cancelled by minimising started a stage on release"
minimise
sleep 3
mark=$(log_lines)
xdotool windowmap --sync "$window" windowfocus --sync "$window" mousedown 1 sleep 0.1 mouseup 1
wait_for_log "$GAUGE" "$mark" 1 20
echo "e2e: a quick tap right after a restore started the stage"
sleep 2.5

# --- play: minimised while walking right, the frame loop stops (no gauge
# line), the process sleeps, and the scene goes on with the same values; the
# press is cancelled, so the player does not walk on by itself.
echo "e2e: CPU while playing: $(cpu_percent 3)% of a core"
press_right
sleep 0.5
minimise
gauge_before=$(last_gauge)
camera_before=$(grep -- '^-\?[0-9]\+,-\?[0-9]\+$' "$log" | tail -n 1)
lines_before=$(log_lines)
cpu=$(cpu_percent 4)
echo "e2e: CPU while minimised: ${cpu}% of a core"
[ "$(log_lines)" -eq "$lines_before" ] || fail "the play scene logged while minimised"
awk -v c="$cpu" 'BEGIN { exit !(c < 5) }' || fail "${cpu}% of a core while minimised (at most 5%)"
restore
xdotool mouseup 1
wait_for_log "$GAUGE" "$lines_before" 5 10
first_after=$(tail -n +"$((lines_before + 1))" "$log" | grep -m 1 -- "$GAUGE")
# The first frame after the restore may drain one frame's worth (1/200) if
# the player stands in the rain; more would mean frames ran while minimised.
awk -v a="$gauge_before" -v b="$first_after" 'BEGIN { d = a - b; exit !(d >= 0 && d <= 0.0051) }' ||
  fail "dryness $gauge_before before minimising, $first_after after"
# The rain follows the camera two frames late: up to two steps of 10 points
# may still show after the restore, then it stays.
camera_after=$(tail -n +"$((lines_before + 1))" "$log" | grep -m 1 -- '^-\?[0-9]\+,-\?[0-9]\+$')
within_step() { awk -v a="${1%%,*}" -v b="${2%%,*}" 'BEGIN { d = a - b; exit !(d <= 20 && d >= -20) }'; }
within_step "$camera_after" "$camera_before" ||
  fail "the rain stood at $camera_before before minimising, $camera_after after"
sleep 2
camera_later=$(grep -- '^-\?[0-9]\+,-\?[0-9]\+$' "$log" | tail -n 1)
within_step "$camera_later" "$camera_before" ||
  fail "the player walked on after the press was cancelled ($camera_before -> $camera_later)"
if grep -q 'G--------O---------A--------L' "$log"; then fail "the player walked to the goal after the press was cancelled"; fi
echo "e2e: play stopped at dryness $gauge_before and camera $camera_before and went on from there"

# --- result: minimised for 6 s before the first line (1 s), the reveal
# goes on from where it was after a restore instead of showing every line.
to_result
minimise
sleep 6
restore
shown=$(result_lines_shown minimise-1-result-restored)
echo "e2e: result lines shown right after the restore: $shown"
[ "$shown" -le 2 ] || fail "$shown result lines right after the restore: the reveal jumped by the time minimised"
sleep 6
shown=$(result_lines_shown minimise-2-result-all)
[ "$shown" -eq 4 ] || fail "$shown result lines 6 s after the restore (4 expected)"

# --- the 4-second fade to the title: minimised a second into it for 5 s, it
# is still fading through white after the restore; closing the window during
# the fade ends the program cleanly.
click_at 960 540
sleep 1
minimise
sleep 5
restore
window_shot minimise-3-fade-restored
# Between lines 2 and 3 the result screen is black; under the fade it is an
# even grey. A fade that jumped ahead would show the title's picture there.
band="0.3 $(awk 'BEGIN { print 550 / 1080 }') 0.4 0.04"
mean=$(brightness "$out/minimise-3-fade-restored.png" mean $band)
spread=$(brightness "$out/minimise-3-fade-restored.png" standard_deviation $band)
echo "e2e: after the restore the fade shows an even grey of $mean (spread $spread)"
awk -v m="$mean" -v s="$spread" 'BEGIN { exit !(m > 0.3 && s < 0.02) }' ||
  fail "after the restore the fade was not where it was (brightness $mean, spread $spread)"
close_game
echo "e2e: minimise and restore passed; screenshots in $out"
