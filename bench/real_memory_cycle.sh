#!/usr/bin/env bash
# Peak resident memory of the real game over one full cycle of the four
# screens, played in an Xvfb window by tests/e2e/full_cycle.sh (title ->
# select -> stage 0 held right to the door -> result -> title, then the
# window is closed). The game's VmHWM is sampled every 0.1 s until it exits.
#   bench/real_memory_cycle.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Stands in for the game: starts it and keeps its latest VmHWM.
cat >"$work/game" <<WRAPPER
#!/usr/bin/env bash
"$build/bin/puddlestep" &
pid=\$!
trap 'kill \$pid 2>/dev/null' TERM
while kill -0 \$pid 2>/dev/null; do
  awk '/^VmHWM:/ { print \$2 }' /proc/\$pid/status >"$work/hwm.new" 2>/dev/null && [ -s "$work/hwm.new" ] &&
    mv "$work/hwm.new" "$work/hwm"
  sleep 0.1
done
wait \$pid
WRAPPER
chmod +x "$work/game"

"$here/../tests/e2e/full_cycle.sh" "$work/game" "$work/e2e" >/dev/null
awk '{ printf "Peak resident memory of puddlestep over one full cycle (Xvfb): %.1f MB (target < 150)\n", $1 / 1024 }' \
  "$work/hwm"
