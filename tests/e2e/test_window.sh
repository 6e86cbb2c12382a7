#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real game under Xvfb: its window, its start-up messages, the state
# walk Space -> drive-in -> play -> Esc -> menu -> Esc, and start-up from
# another directory, with and without textures.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
build=$(dirname "$game")

start_xvfb 1920x1080

# Started through a relative path from an unrelated directory.
mkdir -p "$E2E_TMP/elsewhere"
rel=$(realpath --relative-to="$E2E_TMP/elsewhere" "$game")
log=$E2E_TMP/game.log
start_game "$rel" "$log" "$E2E_TMP/elsewhere"
win=$(wait_for_window)

geometry=$(xdotool getwindowgeometry "$win")
echo "$geometry"
grep -q "Position: 320,180" <<<"$geometry" || fail "window not centred: $geometry"
grep -q "Geometry: 1280x720" <<<"$geometry" || fail "window not 1280x720: $geometry"

# The console: every asset announced in load order, then the read-out.
wait_for_line "$log" '^+ Fps:   ' 60
grep '^Loading ' "$log" | sed 's|.*/||' > "$E2E_TMP/loaded"
expected="MENU_INITIAL.png MENU_DEATH.png BACKGROUND.png MOON.png NIGHTSKY.png PARTICLES.png
CLOUD_A.png CLOUD_B.png GROUND.png CAR.png CAR.png CAR.png CAR.png BASKET.png BULLET_01.png
BULLET_02.png BULLET_03.png BULLET_04.png BULLET_05.png"
for i in 01 02 03 04 05 06 07 08 09; do expected+=" EXPLOSION_$i.png"; done
expected+=" GRASS_PARTICLE.png GROUND_PARTICLE.png"
for i in 01 02 03 04 05 06 07 08 09; do expected+=" FIRE_PARTICLE_$i.png"; done
for i in 01 02 03 04; do expected+=" RABBIT_IDLE_$i.png"; done
for i in 01 02 03 04 05; do expected+=" RABBIT_JUMP_$i.png"; done
expected+=" MENU_PLAYING_TO_INITIAL.png MENU_PLAYING_TO_DEATH.png ZAP.png sphere.obj mountain1.kernel"
diff <(tr ' \n' '\n\n' <<<"$expected" | grep .) "$E2E_TMP/loaded" || fail "Loading lines differ"
grep -q "^Loading $build/textures/CAR.png$" "$log" || fail "paths are not next to the executable"
grep -q ERROR "$log" && fail "an asset failed to load: $(grep ERROR "$log")"
grep -q '^+------------- KEYBOARD KEYS -------------+ $' "$log" || fail "no help box"
grep -q '^+ Score: 0 $' "$log" || fail "no score line"

# Space starts the drive-in; Esc is ignored while the car drives in.
press "$win" space
sleep 0.5
press "$win" Escape
sleep 0.5
still_running "$log"
# After the two-second drive-in Esc leaves play (and does not quit).
sleep 2
press "$win" Escape
sleep 0.5
still_running "$log"
# The car drives out and the menu returns; Esc there ends the game cleanly.
quit_with_escape

# Without textures: 51 error lines, and the game keeps running.
bare=$E2E_TMP/bare
mkdir -p "$bare"
cp "$game" "$bare/"
cp -r "$build/models" "$bare/"
log2=$E2E_TMP/bare.log
start_game "$bare/krellwick" "$log2"
win=$(wait_for_window)
wait_for_line "$log2" '^+ Fps:   ' 60
errors=$(grep -c '^ERROR: Could not load Texture Index [0-9]* $' "$log2" || true)
[ "$errors" = 51 ] || fail "expected 51 texture errors, saw $errors"
still_running "$log2"
quit_with_escape "without textures"
echo "PASS"
