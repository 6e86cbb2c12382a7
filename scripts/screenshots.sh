#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the game under a virtual display of its own and saves a screenshot of
# each of its six states into OUT_DIR:
#   1_initial_menu 2_entering_play 3_playing 4_leaving_play 5_dying 6_death_menu
# The car is left standing still until the rabbits and balloons wear it down;
# that takes about a minute (DEATH_WAIT seconds at most, 240 by default).
# Usage: scripts/screenshots.sh OUT_DIR [path/to/krellwick]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 OUT_DIR [krellwick binary]" >&2; exit 2; }
out=$(realpath -m "$1")
game=$(realpath "${2:-$root/build/krellwick}")
death_wait=${DEATH_WAIT:-240}
mkdir -p "$out"
source "$root/tests/e2e/lib.sh"
# Real ImageMagick: a stand-in convert may shadow it on the path.
convert=/usr/bin/convert
[ -x "$convert" ] || fail "ImageMagick is needed (apt-get install imagemagick)"

start_xvfb 1920x1080
log=$E2E_TMP/game.log
start_game "$game" "$log" "$(dirname "$game")"
win=$(wait_for_window)
sleep 1.5

# grab NAME: the game window's 1280 x 720 pixels (it sits centred at 320, 180).
grab() {
  import -window root "$E2E_TMP/screen.png"
  "$convert" "$E2E_TMP/screen.png" -crop 1280x720+320+180 +repage "$1"
}
shot() { grab "$out/$1.png"; echo "saved $out/$1.png"; }

# death_banner: true when the view shows the banner of the dying picture.
# Reads only the top of the view, so it is quick enough to catch the few
# seconds of dying.
death_banner() {
  import -window root -crop 1280x220+320+180 +repage miff:- |
    "$convert" - -colorspace HSB -channel B -separate -depth 8 gray:- |
    python3 "$root/scripts/death_banner.py"
}

shot 1_initial_menu

press "$win" space
sleep 0.8
shot 2_entering_play

# Play: drive, turn the turret, jump and fire.
sleep 2
press "$win" d d d d k
for _ in 1 2 3; do press "$win" space; sleep 0.35; done
press "$win" l w space
sleep 0.25
shot 3_playing

press "$win" Escape
sleep 0.8
shot 4_leaving_play

# Back in the menu, start again and let the rabbits and balloons wear the
# car down; the dying picture shows at once, so the first frame with its
# banner is the Dying screenshot.
sleep 5
press "$win" space
sleep 3
dying=
deadline=$((SECONDS + death_wait))
while [ $SECONDS -lt $deadline ]; do
  still_running "$log"
  if death_banner; then
    dying=1
    break
  fi
done
if [ -z "$dying" ]; then
  echo "the car did not die within $death_wait s; no Dying or DeathMenu screenshot" >&2
  exit 1
fi
shot 5_dying
# The burning car drives out; then the death screen stays.
sleep 6
shot 6_death_menu
press "$win" Escape
wait_for_exit 10
