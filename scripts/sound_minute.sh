#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Records what the real game sounds like over SECONDS of busy play, to listen
# to and to look at: OpenAL Soft's wave writer takes the place of a device,
# an autopilot plays through xdotool (the key sequence of frame_pacing.sh),
# and sox draws a spectrogram. Not run by CI.
#   scripts/sound_minute.sh OUT_DIR [SECONDS (60)] [GAME (build/krellwick)]
# Writes OUT_DIR/minute.wav and OUT_DIR/minute.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && realpath "$1")
seconds=${2:-60}
game=$(realpath "${3:-$root/build/krellwick}")
source "$root/tests/e2e/lib.sh"

record_sound "$out/minute.wav"

start_xvfb 1920x1080
log=$E2E_TMP/game.log
start_game "$game" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^Sound: ' 10
grep '^Sound: ' "$log"
sleep 2  # the menu, then play

keys=(space space space space a d w w k l)
sequence=()
RANDOM=2024
for _ in $(seq $((seconds * 10))); do sequence+=("${keys[RANDOM % ${#keys[@]}]}"); done
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool key --delay 100 "${sequence[@]}"
still_running "$log"
for _ in $(seq 30); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  xdotool key Escape
  sleep 0.5
done
wait_for_exit 5

sox "$out/minute.wav" -n stat 2>&1 | grep -E 'Length|Maximum amplitude|Minimum amplitude|RMS +amplitude'
sox "$out/minute.wav" -n spectrogram -x 1800 -y 513 -t "Krellwick, $seconds s of play" \
  -o "$out/minute.png"
echo "wrote $out/minute.wav and $out/minute.png"
