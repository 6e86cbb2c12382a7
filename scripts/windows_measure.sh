#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows game under Wine beside the Linux game, taking turns in one run
# (a measurement; CI does not run it): start-up to the first picture, and the
# processor time of 20 s in the start menu and 20 s of play with a shot a
# second, for the game's process.
#   scripts/windows_measure.sh [RUNS (3)]   (after scripts/windows.sh and scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
source "$root/tests/e2e/lib.sh"
export WINEPREFIX=$E2E_TMP/wine WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
start_xvfb 1920x1080
wineboot -i >/dev/null 2>&1
wineserver -p || true  # kept running, as Windows itself is: its start is not the game's

printf '#!/bin/sh\nexec wine "%s"\n' "$root/build-windows/krellwick.exe" >"$E2E_TMP/windows_game"
chmod +x "$E2E_TMP/windows_game"
games=("$root/build/krellwick" "$E2E_TMP/windows_game")
labels=(linux windows)

ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
# cpu_during PID SECONDS: processor seconds a second the game used.
cpu_during() {
  local game0
  game0=$(ticks "$1")
  sleep "$2"
  echo "$(($(ticks "$1") - game0))" | awk -v hz="$(getconf CLK_TCK)" -v s="$2" '{printf "%.3f", $1 / hz / s}'
}

for run in $(seq "$runs"); do
  for n in 0 1; do
    startup=$("$root/build/krellwick_first_frame" "${games[n]}" 30 | awk '{print $4}')
    log=$E2E_TMP/${labels[n]}.log
    start_game "${games[n]}" "$log"
    win=$(wait_for_window)
    wait_for_line "$log" '^+ Fps:   ' 30
    sleep 2
    menu=$(cpu_during "$GAME_PID" 20)
    press "$win" space
    sleep 3
    (for _ in $(seq 20); do xdotool key space; sleep 1; done) &
    shots=$!
    play=$(cpu_during "$GAME_PID" 20)
    wait "$shots"
    quit_with_escape "${labels[n]}"
    echo "run $run ${labels[n]}: first picture ${startup} ms; cpu/s menu $menu, play $play"
  done
done
