#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real game keeps its best score in $XDG_DATA_HOME/krellwick: a stored
# best shows in the read-out, and a game that beats it keeps the new one.
# P pauses and resumes, and so does moving the keyboard to another window;
# a paused game holds its picture.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")

start_xvfb 1920x1080
export XDG_DATA_HOME=$E2E_TMP/data
best=$XDG_DATA_HOME/krellwick/best-score
mkdir -p "$(dirname "$best")"
printf 'krellwick best score\n3\n' >"$best"

log=$E2E_TMP/game.log
start_game "$game" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^+ Best: 3 $' 60
press "$win" space
pause_and_beat_the_best "$log" "$best" 3
