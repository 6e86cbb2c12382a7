#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws tests/web/drive_in_paused.png, the desktop's picture that the
# browser test compares its own with: the Linux build (scripts/build.sh)
# under a virtual display, its clock stepped a frame at a time and its keys
# given at fixed frames (step_clock.c). Run it again when the game's looks
# change on purpose.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
game=$(realpath "${1:-$here/../../build/krellwick}")
cc -O2 -shared -fPIC -o "$E2E_TMP/step_clock.so" "$here/step_clock.c" -ldl
start_xvfb 1920x1080
GAME_LOG=$E2E_TMP/log
(cd "$E2E_TMP" && LD_PRELOAD=$E2E_TMP/step_clock.so exec "$game") >"$GAME_LOG" 2>"$GAME_LOG.stderr" &
GAME_PID=$!
win=$(wait_for_window)
end=$((SECONDS + 120))
until grep -q '^Paused' "$GAME_LOG"; do
  [ $SECONDS -lt $end ] || fail "the game did not pause at frame 180"
  sleep 0.2
done
# The paused picture holds still: two shots in turn must agree.
import -window "$win" "$E2E_TMP/a.png"
until sleep 0.5; import -window "$win" "$E2E_TMP/b.png"; cmp -s <(/usr/bin/convert "$E2E_TMP/a.png" rgb:-) <(/usr/bin/convert "$E2E_TMP/b.png" rgb:-); do
  [ $SECONDS -lt $end ] || fail "the paused picture did not hold still"
  mv "$E2E_TMP/b.png" "$E2E_TMP/a.png"
done
/usr/bin/convert "$E2E_TMP/b.png" -strip "$here/drive_in_paused.png"
echo "wrote $here/drive_in_paused.png"
