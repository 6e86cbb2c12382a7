#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# No usable audio device (OpenAL Soft told to use a backend that does not
# exist): the game says so in one line and plays as before, silently.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")

start_xvfb 1920x1080
export ALSOFT_DRIVERS=none
log=$E2E_TMP/game.log
start_game "$game" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^+ Fps:   ' 10
press "$win" space
sleep 2.6
press "$win" space k space
sleep 1
still_running "$log"
quit_with_escape
[ "$(grep -c '^Sound: ' "$log")" = 1 ] || fail "expected one Sound line: $(grep '^Sound' "$log")"
grep -qx 'Sound: off (no audio device)' "$log" || fail "no 'Sound: off' line"
grep -q ERROR "$log" && fail "an error line: $(grep ERROR "$log")"
echo "PASS"
