#!/usr/bin/env bash
# Frame pacing of the real game (a measurement; CI does not run it). Under
# its own Xvfb an autopilot plays through xdotool (a fixed key sequence:
# mostly Space, which fires, restarts after a death and starts the next game;
# never Esc) for SECONDS of busy play. At least 95% of the console read-outs
# in that time must show the full "+ Fps:   60.000000".
#   scripts/frame_pacing.sh [SECONDS (60)] [GAME (build/krellwick)]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
game=$(realpath "${2:-$root/build/krellwick}")
source "$root/tests/e2e/lib.sh"

start_xvfb 1920x1080
log=$E2E_TMP/pacing.log
# Line-buffered, as on a terminal, so each read-out lands in the log at once.
(cd "$E2E_TMP" && exec stdbuf -oL "$game") >"$log" 2>"$log.stderr" &
GAME_PID=$!
win=$(wait_for_window)
wait_for_line "$log" '^+ Fps:   ' 10
sleep 1  # the first frames count the start-up; they are not play

keys=(space space space space a d w w k l)
sequence=()
RANDOM=2024
for _ in $(seq $((seconds * 10))); do sequence+=("${keys[RANDOM % ${#keys[@]}]}"); done

xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
first=$(($(wc -l <"$log") + 1))
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
xdotool key --delay 100 "${sequence[@]}"
last=$(wc -l <"$log")
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
still_running "$log"

readouts=$(sed -n "${first},${last}p" "$log" | grep '^+ Fps:   ' || true)
total=$(grep -c . <<<"$readouts" || true)
full=$(grep -c '^+ Fps:   60.000000 $' <<<"$readouts" || true)
echo "read-outs in $seconds s of play: $total, at 60 frames a second: $full"
echo "the others:"
grep -v '^+ Fps:   60.000000 $' <<<"$readouts" | sort | uniq -c | sort -rn | head -n 8 || true

# Leave: Esc ends play, is ignored while the car drives out, quits a menu.
for _ in $(seq 30); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  xdotool key Escape
  sleep 0.5
done

[ "$total" -ge $((seconds * 3)) ] || fail "only $total read-outs in $seconds s"
[ $((full * 100)) -ge $((total * 95)) ] ||
  fail "only $full of $total read-outs at 60 frames a second ($((full * 100 / total))%)"
echo "PASS: $((full * 100 / total))% of the read-outs at 60 frames a second"
