#!/usr/bin/env bash
# Closing the real window on every screen ends the program cleanly: exit
# code 0 and no sanitizer report. One run of the game per screen.
#   window_close.sh <puddlestep executable> <output folder> [screen...]
# Screens: title, fade (title to stage select), select, play (with the right
# half held), result (during the reveal).
set -euo pipefail

game=$1
out=$2
mkdir -p "$out"
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
run_in_xvfb "$@"
shift 2
screens=("$@")
[ ${#screens[@]} -gt 0 ] || screens=(title fade select play result)

for screen in "${screens[@]}"; do
  rm -f "$out/close-$screen.log"
  start_game "close-$screen"
  case $screen in
  title) sleep 1 ;;
  fade) tap_until 960 540 'getStageItem' 31 ;;
  select) to_select ;;
  play)
    to_select
    to_play
    press_right
    ;;
  result)
    to_select
    to_play
    to_result
    ;;
  *) fail "no screen called $screen" ;;
  esac
  close_game
  echo "e2e: closed on the $screen screen: exit code 0, no sanitizer report"
done
