#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real game fullscreen under Xvfb, on a 16:9 screen and on a wider one:
# F11 fills the screen with the windowed picture scaled, the bars black
# (tests/e2e/picture_check.py), and F11 again brings back the centred
# 1280x720 window and its picture; Alt+Enter does the same on the wider one.
# The picture: the game paused as the car drives in, the menu fading, which
# holds still (the menu alone runs through its colours).
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
check=$(dirname "$0")/picture_check.py

# wait_for_geometry SIZE POSITION: the game's window placed so.
wait_for_geometry() {
  local geometry= end=$((SECONDS + 60))
  while [ $SECONDS -lt $end ]; do
    geometry=$(xdotool getwindowgeometry "$win")
    grep -q "Position: $2 " <<<"$geometry" && grep -q "Geometry: $1" <<<"$geometry" && return 0
    sleep 0.1
  done
  fail "the window is not $1 at $2: $geometry"
}
# wait_for_picture SHOT [LIMIT] [CROP]: screenshots (of CROP of the screen)
# until picture_check.py finds the windowed menu in them; the frames after
# a change of size take a moment to arrive.
wait_for_picture() {
  local end=$((SECONDS + 60))
  while [ $SECONDS -lt $end ]; do
    import -window root ${3:+-crop "$3" +repage} "$1" 2>/dev/null || fail "no screenshot"
    /usr/bin/python3 "$check" "$E2E_TMP/windowed.png" "$1" "${2:-3}" && return 0
    sleep 0.5
  done
  fail "$1 does not show the windowed picture"
}

for case in "1920x1080 F11" "2560x1080 alt+Return"; do
  read -r size toggle <<<"$case"
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID"
  start_xvfb "$size"
  log=$E2E_TMP/$size.log
  start_game "$game" "$log"
  win=$(wait_for_window)
  wait_for_line "$log" '^+ Fps:   ' 60
  x=$(((${size%x*} - 1280) / 2)) y=$(((${size#*x} - 720) / 2))
  wait_for_geometry 1280x720 "$x,$y"
  press "$win" space p
  wait_for_line "$log" '^Paused' 30
  import -window root -crop "1280x720+$x+$y" +repage "$E2E_TMP/windowed.png"

  press "$win" "$toggle"
  wait_for_geometry "$size" 0,0
  wait_for_picture "$E2E_TMP/full.png"
  press "$win" "$toggle"
  wait_for_geometry 1280x720 "$x,$y"
  # The same picture as before (a few hundred of its pixels may differ).
  wait_for_picture "$E2E_TMP/back.png" 0.1 "1280x720+$x+$y"
  quit_with_escape "$size"
done
echo "PASS"
