#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Frame pacing of the real game (a measurement; CI does not run it). Under
# its own Xvfb an autopilot plays through xdotool (a fixed key sequence:
# mostly Space, which fires, restarts after a death and starts the next game;
# never Esc) for SECONDS of busy play, then SECONDS more beside one busy
# neighbour (`yes > /dev/null`). The console read-outs showing the full
# "+ Fps:   60.000000" must be at least 99% of those in the first run and 90%
# in the second.
#   scripts/frame_pacing.sh [SECONDS (60)] [GAME (build/krellwick)]
# A GAME ending in .exe (build-windows/krellwick.exe) is the Windows game,
# run under Wine in a throw-away prefix. With FULLSCREEN=WIDTHxHEIGHT the
# screen is that size and the game is played fullscreen (F11).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
game=$(realpath "${2:-$root/build/krellwick}")
source "$root/tests/e2e/lib.sh"

start_xvfb "${FULLSCREEN:-1920x1080}"
log=$E2E_TMP/pacing.log
# Line-buffered, as on a terminal, so each read-out lands in the log at once.
run=(stdbuf -oL "$game")
stop_wine() { if [[ $game == *.exe ]]; then wineserver -k 2>/dev/null || true; fi; }
if [[ $game == *.exe ]]; then
  export WINEPREFIX=$E2E_TMP/wine WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
  wineboot -i >/dev/null 2>&1
  trap 'stop_wine; e2e_cleanup' EXIT
  run=(wine "$game")
fi
(cd "$E2E_TMP" && exec "${run[@]}") >"$log" 2>"$log.stderr" &
GAME_PID=$!
win=$(wait_for_window)
wait_for_line "$log" '^+ Fps:   ' 10
if [ -n "${FULLSCREEN:-}" ]; then
  press "$win" F11
  end=$((SECONDS + 30))
  until xdotool getwindowgeometry "$win" | grep -q "Geometry: $FULLSCREEN"; do
    [ $SECONDS -lt $end ] || fail "not fullscreen: $(xdotool getwindowgeometry "$win")"
    sleep 0.1
  done
fi
sleep 1  # the first frames count the start-up; they are not play

keys=(space space space space a d w w k l)
sequence=()
RANDOM=2024
for _ in $(seq $((seconds * 10))); do sequence+=("${keys[RANDOM % ${#keys[@]}]}"); done

# measure LABEL PERCENT: plays the sequence and checks the share at 60.
failures=()
measure() {
  local label=$1 percent=$2
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  local first=$(($(wc -l <"$log") + 1))
  echo "$label: load before: $(cut -d' ' -f1-3 /proc/loadavg)"
  xdotool key --delay 100 "${sequence[@]}"
  local last=$(wc -l <"$log")
  echo "$label: load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
  still_running "$log"
  local readouts total full
  # (The Windows game ends its lines with CR LF.)
  readouts=$(sed -n "${first},${last}p" "$log" | tr -d '\r' | grep '^+ Fps:   ' || true)
  total=$(grep -c . <<<"$readouts" || true)
  full=$(grep -c '^+ Fps:   60.000000 $' <<<"$readouts" || true)
  echo "$label: read-outs in $seconds s of play: $total, at 60 frames a second: $full"
  echo "the others:"
  grep -v '^+ Fps:   60.000000 $' <<<"$readouts" | sort | uniq -c | sort -rn | head -n 8 || true
  if [ "$total" -lt $((seconds * 3)) ]; then
    failures+=("$label: only $total read-outs in $seconds s")
  elif [ $((full * 100)) -lt $((total * percent)) ]; then
    failures+=("$label: only $full of $total read-outs at 60 frames a second ($((full * 100 / total))%, needs $percent%)")
  else
    echo "$label: PASS: $((full * 100 / total))% of the read-outs at 60 frames a second"
  fi
}

measure "alone" 99
yes >/dev/null &
NEIGHBOUR_PID=$!
trap 'kill "$NEIGHBOUR_PID" 2>/dev/null || true; stop_wine; e2e_cleanup' EXIT
measure "beside a busy neighbour" 90
kill "$NEIGHBOUR_PID" 2>/dev/null || true

# Leave: Esc ends play, is ignored while the car drives out, quits a menu.
for _ in $(seq 30); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  xdotool key Escape
  sleep 0.5
done

[ ${#failures[@]} -eq 0 ] || fail "$(printf '%s; ' "${failures[@]}")"
echo "PASS"
