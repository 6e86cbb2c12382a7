#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Memory of the real game under long play (a measurement; CI does not run it).
# The game runs in its window under its own Xvfb while keys arrive through
# xdotool like a restless player's: fighting stretches of fire, moves, jumps
# and turret turns (about eight keys a second), quiet stretches in which the
# balloons and rabbits finish the car, and Space to start the next game. Esc
# is never pressed: from a menu it would quit. Every 10 s the resident size is
# sampled from /proc; the curve goes to CSV (seconds,rss_kb,anon_kb,file_kb:
# the resident size, its anonymous part, which holds the heap, and the pages
# of mapped files, mostly the code of the GL driver's libraries).
#   scripts/windowed_soak.sh [MINUTES (30)] [GAME (build/krellwick)] [CSV]
# SOAK_WRAPPER runs the game under a tool, e.g. SOAK_WRAPPER="heaptrack -o
# /tmp/game"; the size is then the game's own, not the tool's.
# Passes when, after the first five minutes, the resident size grows by less
# than 5 MB (5120 kB) over the rest of the run. The game hands freed memory
# back every ten seconds, so single samples swing by several MB with the
# moment they fall on: the size compared is the median of a minute's six
# samples (the fifth minute, the last minute).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-30}
game=$(realpath "${2:-$root/build/krellwick}")
csv=${3:-$root/windowed_soak.csv}
source "$root/tests/e2e/lib.sh"

start_xvfb 1920x1080
log=$E2E_TMP/soak.log
# shellcheck disable=SC2086 # SOAK_WRAPPER: a command with its options
(cd "$E2E_TMP" && exec ${SOAK_WRAPPER:-} "$game") >"$log" 2>&1 &
GAME_PID=$!
win=$(wait_for_window)
sleep 1
game_pid=$GAME_PID
[ -z "${SOAK_WRAPPER:-}" ] || game_pid=$(pgrep -n -P "$GAME_PID" -x krellwick || echo "$GAME_PID")

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status"; }
sizes_kb() { awk '/^(VmRSS|RssAnon|RssFile):/ {v = v sep $2; sep = ","} END {print v}' "/proc/$game_pid/status"; }

play_keys=(space space space space space space a a a d d d w w w k k l l x)
RANDOM=2024
echo "seconds,rss_kb,anon_kb,file_kb" >"$csv"
echo "0,$(sizes_kb)" >>"$csv"
start=$SECONDS
for step in $(seq $((minutes * 6))); do
  still_running "$log"
  # Ten seconds of one kind of play.
  style=$((RANDOM % 100))
  keys=()
  if [ "$style" -lt 65 ]; then
    for _ in $(seq 79); do keys+=("${play_keys[RANDOM % ${#play_keys[@]}]}"); done
  fi
  keys+=(space)  # starts a game from a menu; fires in play
  xdotool windowfocus "$win" 2>/dev/null || true
  if [ ${#keys[@]} -gt 1 ]; then
    xdotool key --delay 125 "${keys[@]}"
  else
    sleep 9.9
    xdotool key space
  fi
  # Keep to the 10 s grid even when xdotool ran late.
  while [ $((SECONDS - start)) -lt $((step * 10)) ]; do sleep 0.1; done
  echo "$((step * 10)),$(sizes_kb)" >>"$csv"
  [ $((step % 30)) -eq 0 ] && echo "$((step / 6)) min: $(rss_kb) kB"
done
still_running "$log"
kill "$game_pid"
wait "$GAME_PID" || true
GAME_PID=

# median_kb FROM TO: median of the samples taken FROM < seconds <= TO.
median_kb() {
  awk -F, -v from="$1" -v to="$2" 'NR > 1 && $1 > from && $1 <= to {print $2}' "$csv" |
    sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)}'
}
end=$((minutes * 60))
first=$(sed -n 2p "$csv" | cut -d, -f2)
peak=$(tail -n +2 "$csv" | cut -d, -f2 | sort -n | tail -n 1)
echo "resident size: start $first kB, peak $peak kB"
[ "$minutes" -ge 6 ] || { echo "shorter than six minutes: no verdict"; exit 0; }
at5=$(median_kb 240 300)
last=$(median_kb $((end - 60)) "$end")
echo "median of the fifth minute $at5 kB, of the last minute $last kB"
growth=$((last - at5))
echo "growth after the first five minutes: $growth kB"
[ "$growth" -lt 5120 ] || fail "grew by $growth kB after the first five minutes"
echo "PASS"
