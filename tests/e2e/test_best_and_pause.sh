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

# count_lines PATTERN: how many lines of the log match.
count_lines() { grep -c -- "$1" "$log" || true; }
# Paused by P, even in the drive-in; the picture then holds still.
press "$win" p
wait_for_line "$log" '^Paused: ' 60
shot() { import -display "$DISPLAY" -window "$win" "$1" 2>/dev/null || fail "no screenshot"; }
shot "$E2E_TMP/held1.png"
sleep 1
shot "$E2E_TMP/held2.png"
changed=$(compare -metric AE "$E2E_TMP/held1.png" "$E2E_TMP/held2.png" null: 2>&1 || true)
[ "$changed" = 0 ] || fail "the paused picture moved: $changed pixels changed"
press "$win" p
wait_for_line "$log" '^Playing on$' 60

# Another window takes the keyboard: the game pauses, and P plays on.
root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
xdotool windowfocus "$root"
end=$((SECONDS + 60))
while [ "$(count_lines '^Paused: ')" -lt 2 ] && [ $SECONDS -lt $end ]; do sleep 0.1; done
[ "$(count_lines '^Paused: ')" = 2 ] || fail "losing the keyboard did not pause the game"
press "$win" p
end=$((SECONDS + 60))
while [ "$(count_lines '^Playing on$')" -lt 2 ] && [ $SECONDS -lt $end ]; do sleep 0.1; done
[ "$(count_lines '^Playing on$')" = 2 ] || fail "P did not play on after the focus came back"

# Fire until the score beats the stored best (the read-out is flushed with
# each key), then leave: the new best is said and kept.
end=$((SECONDS + 180))
until grep -qE '^\+ Score: ([4-9]|[1-9][0-9]+) $' "$log"; do
  [ $SECONDS -lt $end ] || fail "no score above 3 after three minutes of firing"
  still_running "$log"
  press "$win" space
  sleep 0.2
done
quit_with_escape
new=$(sed -n 's/^New best score: \([0-9]*\)$/\1/p' "$log")
[ "$(wc -l <<<"$new")" = 1 ] && [ "$new" -gt 3 ] || fail "no single 'New best score' line: $new"
[ "$(cat "$best")" = "$(printf 'krellwick best score\n%s' "$new")" ] || fail "kept: $(cat "$best")"
[ "$(ls -A "$XDG_DATA_HOME/krellwick")" = best-score ] || fail "left beside it: $(ls -A "$XDG_DATA_HOME/krellwick")"
echo "PASS: best $new kept"
