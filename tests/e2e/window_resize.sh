#!/usr/bin/env bash
# Resizing the real window to odd shapes: the whole 1920x1080 design area
# stays visible, scaled uniformly between black bars, and touches land on the
# design points under the pointer. A touch in a bar is a touch beyond the
# design area's edge on that side: in play the left bar walks left, the
# right bar right.
#   window_resize.sh <puddlestep executable> <output folder>
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
run_in_xvfb "$@"
rm -f "$out"/resize-*.png "$out"/resize.log

# The shown design area in window pixels, "w h x y", as the window maps it:
# uniform scale, centred on whole pixels.
content_rect() {
  awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
    s = w / 1920; if (h / 1080 < s) s = h / 1080;
    cw = int(1920 * s + 0.5); ch = int(1080 * s + 0.5);
    printf "%d %d %d %d\n", cw, ch, int((w - cw) / 2), int((h - ch) / 2) }'
}

resize_to() {
  xdotool windowsize --sync "$window" "$1" "$2"
  read_geometry
  [ "$WIDTH" -eq "$1" ] && [ "$HEIGHT" -eq "$2" ] || fail "the window is ${WIDTH}x${HEIGHT}, not $1x$2"
  sleep 1 # a few frames at the new size
}

# Largest brightness (0 to 1) in a rectangle "w h x y" of an image.
max_in() {
  convert "$1" -colorspace gray -crop "${2}x${3}+${4}+${5}" +repage -format '%[fx:maxima]' info:
}

# The title at the current size: bars black, and the shown area is the
# title as at the start, scaled (rain and the blinking prompt differ a bit).
check_title_shot() {
  local name=resize-title-${WIDTH}x${HEIGHT} cw ch cx cy
  window_shot "$name"
  read -r cw ch cx cy < <(content_rect)
  local file=$out/$name.png
  if [ "$cx" -gt 0 ]; then
    [ "$(max_in "$file" "$cx" "$HEIGHT" 0 0)" = 0 ] || fail "$name: the left bar is not black"
    [ "$(max_in "$file" "$((WIDTH - cx - cw))" "$HEIGHT" "$((cx + cw))" 0)" = 0 ] || fail "$name: the right bar is not black"
  fi
  if [ "$cy" -gt 0 ]; then
    [ "$(max_in "$file" "$WIDTH" "$cy" 0 0)" = 0 ] || fail "$name: the top bar is not black"
    [ "$(max_in "$file" "$WIDTH" "$((HEIGHT - cy - ch))" 0 "$((cy + ch))")" = 0 ] || fail "$name: the bottom bar is not black"
  fi
  # Each corner of the shown area has the picture, not black.
  local corner
  for corner in "0 0" "$((cw - 4)) 0" "0 $((ch - 4))" "$((cw - 4)) $((ch - 4))"; do
    set -- $corner
    awk -v m="$(max_in "$file" 4 4 "$((cx + $1))" "$((cy + $2))")" 'BEGIN { exit !(m > 0.05) }' ||
      fail "$name: the shown area's corner at $1,$2 is black"
  done
  convert "$file" -crop "${cw}x${ch}+${cx}+${cy}" +repage "$out/shown.png"
  convert "$out/resize-title-start.png" -resize "${cw}x${ch}!" "$out/expected.png"
  local error
  error=$(compare -metric RMSE "$out/shown.png" "$out/expected.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
  rm -f "$out/shown.png" "$out/expected.png"
  echo "e2e: ${WIDTH}x${HEIGHT}: shown ${cw}x${ch} at ${cx},${cy}; difference from the start picture $error"
  awk -v e="$error" 'BEGIN { exit !(e < 0.1) }' || fail "$name: the shown area is not the whole title (difference $error)"
}

# A tap in play at window pixel (x, y) says `word` ("migi" or "hidari").
expect_tap() {
  local word=$1 x=$2 y=$3 other=hidari mark
  [ "$word" = hidari ] && other=migi
  mark=$(log_lines)
  xdotool mousemove --window "$window" "$x" "$y" mousedown 1 sleep 0.2 mouseup 1
  wait_for_log "^$word\$" "$mark" 1 10
  if tail -n +"$mark" "$log" | grep -q "^$other\$"; then fail "a tap at $x,$y in ${WIDTH}x${HEIGHT} said $other"; fi
}

start_game resize
sleep 1
window_shot resize-title-start

for size in "1000 333" "777 1080" "1281 721"; do
  resize_to $size
  check_title_shot
done

# Pillar-boxed: the select screen and play take touches at the mapped points.
resize_to 1000 333
to_select
to_play
press_right # the first touch also starts the camera
xdotool mouseup 1
read -r cw ch cx cy < <(content_rect)
# Near the centre line: design x 900 shows at window x 481, which a mapping
# that forgot the 204-pixel bar would read as x 1560, the right half.
expect_tap hidari $(to_window 900 540)
expect_tap migi $(to_window 1020 540)
expect_tap hidari $((cx / 2)) $((HEIGHT / 2))
expect_tap migi $((WIDTH - cx / 2)) $((HEIGHT / 2))

# Letter-boxed, while playing: in the top and bottom bars only x counts.
resize_to 777 1080
read -r cw ch cx cy < <(content_rect)
expect_tap hidari $(to_window 900 540)
expect_tap migi $(to_window 1020 540)
expect_tap hidari $((WIDTH / 4)) $((cy / 2))
expect_tap migi $((WIDTH * 3 / 4)) $((HEIGHT - cy / 2))
window_shot resize-play-777x1080

close_game
echo "e2e: resizing passed; screenshots in $out"
