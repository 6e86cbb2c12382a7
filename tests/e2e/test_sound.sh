#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
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

wav=$E2E_TMP/out.wav
record_sound "$wav"
log=$E2E_TMP/game.log
start_game "$game" "$log"
play_five_shots "$wav" "$log"
grep -q ERROR "$log" && fail "an error line: $(grep ERROR "$log")"
if ! /usr/bin/python3 "$here/sound_check.py" "$wav" "${SHOT_SIZES[@]}"; then
  # Kept for a look (sox, or any sound editor) when asked to.
  [ -n "${KEEP_FAILED_SOUND:-}" ] && cp "$wav" "$KEEP_FAILED_SOUND" && echo "kept: $KEEP_FAILED_SOUND"
  fail "the recording does not sound right: $(printf '%s ' "${SHOT_SIZES[@]}")"
fi

# Without the car's shot: one error line naming it; the game plays on.
copy=$E2E_TMP/copy
mkdir -p "$copy"
cp "$game" "$copy/"
cp -r "$build/models" "$build/textures" "$build/sounds" "$copy/"
rm "$copy/sounds/car_shot.flac"
record_sound "$E2E_TMP/copy.wav"
log=$E2E_TMP/copy.log
start_game "$copy/krellwick" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^Sound: ' 60
press "$win" space
sleep 2.6
press "$win" space
sleep 0.5
still_running "$log"
quit_with_escape "without a sound file"
errors=$(grep ERROR "$log" || true)
[ "$errors" = "ERROR: Could not load sound $copy/sounds/car_shot.flac" ] ||
  fail "expected one error line for car_shot.flac, saw: $errors"
echo "PASS"
