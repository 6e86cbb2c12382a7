#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real game fullscreen under Xvfb, on 16:9 screens and on a wider one:
# F11 fills the screen with the windowed picture scaled, the bars black
# (tests/e2e/picture_check.py), and F11 again brings back the centred
# 1280x720 window and its picture; Alt+Enter does the same on the wider one.
# On a screen twice the picture's size each pixel is a sharp 2 x 2 square.
# Fullscreen, the score stands in the picture's corner, "PAUSED" before it
# while paused.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")

for case in "1920x1080 F11" "2560x1080 alt+Return" "2560x1440 F11"; do
  read -r size toggle <<<"$case"
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID"
  start_xvfb "$size"
  log=$E2E_TMP/$size.log
  start_game "$game" "$log"
  win=$(wait_for_window)
  wait_for_line "$log" '^+ Fps:   ' 60
  wait_for_geometry 1280x720 "$(((${size%x*} - 1280) / 2)),$(((${size#*x} - 720) / 2))"
  fullscreen_round_trip "$size" "$toggle" "$toggle" "$log"
  if [ "$size" = 1920x1080 ]; then
    press "$win" F11
    wait_for_picture "$E2E_TMP/paused.png" "" --corner paused
    press "$win" p
    wait_for_picture "$E2E_TMP/playing.png" "" --corner playing
  fi
  if [ "$size" = 2560x1440 ]; then
    /usr/bin/python3 "$(dirname "$0")/picture_check.py" --whole 2 "$E2E_TMP/full.png" ||
      fail "at twice the size the pixels are not sharp squares"
  fi
  quit_with_escape "$size"
done
echo "PASS"
