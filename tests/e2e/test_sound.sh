#!/usr/bin/env bash
# The real game's sound, recorded: OpenAL Soft writes its output to a WAV
# file instead of a device (its wave writer, chosen by a config file named in
# ALSOFT_CONF). A quiet stretch in the menu, then a game with five shots a
# second apart; tests/e2e/sound_check.py judges the recording. Then a copy
# of the game without one sound file: one error line, and it plays on.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
build=$(dirname "$game")
here=$(cd "$(dirname "$0")" && pwd)

start_xvfb 1920x1080

# record WAV: a config for the wave writer into WAV, exported for the game.
record() {
  cat >"$E2E_TMP/alsoft.conf" <<CONF
[general]
drivers = wave
frequency = 44100
channels = stereo
sample-type = int16
[wave]
file = $1
CONF
  export ALSOFT_CONF=$E2E_TMP/alsoft.conf
}
wav=$E2E_TMP/out.wav
size() { stat -c %s "$wav" 2>/dev/null || echo 0; }

record "$wav"
log=$E2E_TMP/game.log
start_game "$game" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^Sound: Wave File Writer$' 10
sleep 1
quiet_start=$(size)
sleep 3
quiet_end=$(size)

press "$win" space
sleep 2.6  # the drive-in
# The turret straight up: the shots fly clear of the rabbits on the ground.
press "$win" k k
sleep 1.5
presses=()
for _ in 1 2 3 4 5; do
  presses+=("$(size)")
  xdotool key space
  sleep 1
done
still_running "$log"
press "$win" Escape
sleep 3
for _ in $(seq 10); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  press "$win" Escape
  sleep 0.5
done
wait_for_exit 5
[ "$GAME_STATUS" = 0 ] || fail "exit status $GAME_STATUS"
grep -q ERROR "$log" && fail "an error line: $(grep ERROR "$log")"
python3 "$here/sound_check.py" "$wav" "$quiet_start" "$quiet_end" "${presses[@]}" ||
  fail "the recording does not sound right"

# Without the car's shot: one error line naming it; the game plays on.
copy=$E2E_TMP/copy
mkdir -p "$copy"
cp "$game" "$copy/"
cp -r "$build/models" "$build/textures" "$build/sounds" "$copy/"
rm "$copy/sounds/car_shot.flac"
record "$E2E_TMP/copy.wav"
log=$E2E_TMP/copy.log
start_game "$copy/krellwick" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^Sound: ' 10
press "$win" space
sleep 2.6
press "$win" space
sleep 0.5
still_running "$log"
for _ in $(seq 20); do
  kill -0 "$GAME_PID" 2>/dev/null || break
  press "$win" Escape
  sleep 0.5
done
wait_for_exit 5
[ "$GAME_STATUS" = 0 ] || fail "without a sound file: exit status $GAME_STATUS"
errors=$(grep ERROR "$log" || true)
[ "$errors" = "ERROR: Could not load sound $copy/sounds/car_shot.flac" ] ||
  fail "expected one error line for car_shot.flac, saw: $errors"
echo "PASS"
