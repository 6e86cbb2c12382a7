# SPDX-License-Identifier: MIT
# Shared helpers for the end-to-end tests: a private Xvfb, the game started
# under it, and waiting for its window.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"

E2E_TMP=$(mktemp -d)
XVFB_PID=
GAME_PID=

e2e_cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# fail WHY: ends the test, saying why and what the last game last said.
fail() {
  echo "FAIL: $*" >&2
  if [ -n "${GAME_LOG:-}" ] && [ -f "$GAME_LOG" ]; then
    echo "The game ($( [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null && echo running || echo ended)) last said:" >&2
    tr -d '\r' <"$GAME_LOG" | grep -v -e '^[|+]' -e '^ *$' | tail -n 5 >&2
    tr -d '\r' <"$GAME_LOG" | grep '^+ Score' | tail -n 1 >&2
    echo "($(tr -d '\r' <"$GAME_LOG" | grep -c '^+ Score') read-outs in all)" >&2
    tail -n 5 "$GAME_LOG.stderr" >&2 2>/dev/null || true
  fi
  exit 1
}

# start_xvfb WIDTHxHEIGHT: a display of our own, free of other tests, with
# $XVFB_ARGS added.
start_xvfb() {
  # shellcheck disable=SC2086 # XVFB_ARGS: extra options, word-split
  start_virtual_display "${1:-1920x1080}" ${XVFB_ARGS:-} || fail "could not start Xvfb"
  XVFB_PID=$VIRTUAL_DISPLAY_PID
}

# start_game BINARY LOGFILE [workdir]
start_game() {
  local binary=$1 log=$2 dir=${3:-$E2E_TMP}
  # Libraries' complaints on standard error (no sound card, say) are
  # unbuffered and would land in the middle of the buffered console lines.
  (cd "$dir" && exec "$binary") >"$log" 2>"$log.stderr" &
  GAME_PID=$!
  GAME_LOG=$log
}

# The limits below are generous on purpose: a test waits for a condition,
# and on a loaded machine a game (under Wine above all) can take long to start.
# wait_for_window: prints the window id of the game's window.
wait_for_window() {
  local id= end=$((SECONDS + 90))
  while [ $SECONDS -lt $end ]; do
    id=$(xdotool search --name '^Krellwick$' 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game exited before its window opened"
    sleep 0.05
  done
  fail "no window titled Krellwick appeared"
}

# press WINDOW KEY...: focused key presses, as a player types them.
press() {
  local win=$1; shift
  local end=$((SECONDS + 60))
  # A window not yet shown on screen cannot take the keyboard: under load
  # the X server can show it well after the game has begun to draw.
  until xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win" 2>/dev/null; do
    # A game that has just ended (Esc in a menu) takes no more keys; the
    # caller's next check says whether it should have.
    kill -0 "$GAME_PID" 2>/dev/null || return 0
    [ $SECONDS -lt $end ] || fail "could not give window $win the keyboard"
    sleep 0.1
  done
  for key in "$@"; do xdotool key "$key"; sleep 0.05; done
}

# wait_for_exit SECONDS: sets GAME_STATUS to the game's exit status, or fails
# when it keeps running. Not to be called in $(...): a subshell cannot wait
# for its parent's child and would read -1 when the game ends meanwhile.
wait_for_exit() {
  local seconds=$1 end=$((SECONDS + $1))
  while [ $SECONDS -lt $end ]; do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      GAME_STATUS=0
      wait "$GAME_PID" || GAME_STATUS=$?
      GAME_PID=
      # Under load the X server can show an ended game's window a while
      # longer; the next game's test must not take it for its own.
      while [ $SECONDS -lt $((end + 60)) ] && xdotool search --name '^Krellwick$' >/dev/null 2>&1; do
        sleep 0.05
      done
      return 0
    fi
    sleep 0.05
  done
  fail "the game did not exit within $seconds s"
}

# still_running: fails when the game has ended.
still_running() { kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended unexpectedly: $(tail -n 5 "${1:-/dev/null}")"; }

# wait_for_line FILE PATTERN SECONDS
wait_for_line() {
  local file=$1 pattern=$2 seconds=$3 end=$((SECONDS + $3))
  while [ $SECONDS -lt $end ]; do
    grep -q -- "$pattern" "$file" && return 0
    sleep 0.05
  done
  fail "no line matching '$pattern' in $file after $seconds s"
}

# quit_with_escape [WHAT]: Esc until the game ends (Esc leaves play, is ignored
# during the drive-out and quits from a menu), then its exit status must be 0.
quit_with_escape() {
  local end=$((SECONDS + 60))
  while [ $SECONDS -lt $end ]; do
    kill -0 "$GAME_PID" 2>/dev/null || break
    press "$win" Escape
    sleep 0.5
  done
  wait_for_exit 10
  [ "$GAME_STATUS" = 0 ] || fail "${1:+$1: }exit status $GAME_STATUS"
}

# record_sound WAV: OpenAL Soft writes what the game plays into WAV instead
# of a sound device (its wave writer, set up through ALSOFT_CONF).
record_sound() {
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

# play_five_shots WAV LOG: with the game just started and recording to WAV,
# a quiet stretch in the menu, then a game with five shots, and Esc until it
# ends (sound_check.py play says how, waiting on the recording itself).
# SHOT_SIZES: the places in the WAV for sound_check.py's check.
play_five_shots() {
  local wav=$1 log=$2 sizes
  win=$(wait_for_window)
  wait_for_line "$log" '^Sound: .*Wave File Writer' 60
  sizes=$(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/sound_check.py" play "$wav" "$win") ||
    fail "the shots were not all heard"
  read -r -a SHOT_SIZES <<<"$sizes"
  still_running "$log"
  quit_with_escape
}

# pause_and_beat_the_best LOG BEST_FILE STORED: with a game under way and
# STORED kept in BEST_FILE: P pauses the game (even in the drive-in) and
# holds its picture, and P plays on; another window taking the keyboard
# pauses it too; then firing until the score beats STORED, and Esc until the
# game ends: the new best is said once and kept. Windows' CR LF lines too.
pause_and_beat_the_best() {
  local log=$1 best=$2 stored=$3 root changed new end
  count_lines() { tr -d '\r' <"$log" | grep -c -- "$1" || true; }
  # until_lines PATTERN N: waits for N lines matching.
  until_lines() {
    end=$((SECONDS + 90))
    while [ "$(count_lines "$1")" -lt "$2" ] && [ $SECONDS -lt $end ]; do sleep 0.1; done
    [ "$(count_lines "$1")" -ge "$2" ]
  }
  press "$win" p
  until_lines '^Paused: ' 1 || fail "P did not pause the game"
  shot() { import -display "$DISPLAY" -window "$win" "$1" 2>/dev/null || fail "no screenshot"; }
  shot "$E2E_TMP/held1.png"
  sleep 1  # a stretch in which a running game would have moved
  shot "$E2E_TMP/held2.png"
  changed=$(compare -metric AE "$E2E_TMP/held1.png" "$E2E_TMP/held2.png" null: 2>&1 || true)
  [ "$changed" = 0 ] || fail "the paused picture moved: $changed pixels changed"
  press "$win" p
  until_lines '^Playing on$' 1 || fail "P did not play on"

  root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
  xdotool windowfocus "$root"
  until_lines '^Paused: ' 2 || fail "losing the keyboard did not pause the game"
  # A click brings the window back as a player would (Wine takes back the
  # foreground only so); the game has no use for the mouse. Under load Wine
  # can take the click after the P, which is then lost: while the read-out
  # says the game is paused (more "Paused" lines than "Playing on" ones),
  # click and P go again after a quiet ten seconds, so a key only late is
  # not doubled; firing below does the same.
  local sent=-100
  paused() { [ "$(count_lines '^Playing on$')" -lt "$(count_lines '^Paused: ')" ]; }
  play_on() {
    paused && [ $((SECONDS - sent)) -ge 10 ] || return 0
    xdotool mousemove --window "$win" 640 360 click 1
    press "$win" p
    sent=$SECONDS
  }
  end=$((SECONDS + 120))
  while paused; do
    [ $SECONDS -lt $end ] || fail "P did not play on after the keyboard came back"
    play_on
    sleep 0.1
  done

  # The read-out is flushed with each key. A slow machine may let the car
  # die between read-outs with the best already beaten: its death screen has
  # then said so, and firing on would start a second game.
  end=$((SECONDS + 240))
  until [ "$(count_lines '^New best score: ')" -gt 0 ] || {
    tr -d '\r' <"$log" | grep -qE "^\+ Score: [0-9]+ \$" &&
      [ "$(tr -d '\r' <"$log" | sed -n 's/^+ Score: \([0-9]*\) $/\1/p' | tail -n1)" -gt "$stored" ]
  }; do
    [ $SECONDS -lt $end ] || fail "no score above $stored after four minutes of firing"
    still_running "$log"
    play_on
    press "$win" space
    sleep 0.2
  done
  quit_with_escape "after beating the best"
  new=$(tr -d '\r' <"$log" | sed -n 's/^New best score: \([0-9]*\)$/\1/p')
  [ "$(wc -l <<<"$new")" = 1 ] && [ "$new" -gt "$stored" ] || fail "no single 'New best score' line: $new"
  [ "$(cat "$best")" = "$(printf 'krellwick best score\n%s' "$new")" ] || fail "kept: $(cat "$best")"
  [ "$(ls -A "$(dirname "$best")")" = best-score ] || fail "left beside it: $(ls -A "$(dirname "$best")")"
  echo "best $new kept in $best"
}

# wait_for_geometry SIZE [POSITION]: the game's window ($win) so sized and placed.
wait_for_geometry() {
  local geometry= end=$((SECONDS + 90))
  while [ $SECONDS -lt $end ]; do
    geometry=$(xdotool getwindowgeometry "$win")
    grep -q "Geometry: $1\$" <<<"$geometry" && grep -q "Position: ${2:-}" <<<"$geometry" && return 0
    sleep 0.1
  done
  fail "the window is not $1 at ${2:-any place}: $geometry"
}

# wait_for_picture SHOT [CROP] [PICTURE_CHECK ARGS...]: screenshots (of CROP
# of the screen) until picture_check.py passes them with the given
# arguments; the frames after a change of size take a moment to arrive.
wait_for_picture() {
  local shot=$1 crop=${2:-} end=$((SECONDS + 90))
  shift 2 || shift $#
  while [ $SECONDS -lt $end ]; do
    import -window root ${crop:+-crop "$crop" +repage} "$shot" 2>/dev/null || fail "no screenshot"
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/picture_check.py" "$@" "$shot" && return 0
    sleep 0.5
  done
  fail "$shot does not show the picture wanted"
}

# wait_for_still SHOT CROP: a screenshot of CROP once two taken in turn are
# the same; a frame swapped just before a pause may reach the screen late.
wait_for_still() {
  local shot=$1 crop=$2 end=$((SECONDS + 60))
  import -window root -crop "$crop" +repage "$shot" 2>/dev/null || fail "no screenshot"
  while [ $SECONDS -lt $end ]; do
    sleep 1
    import -window root -crop "$crop" +repage "$shot.next.png" 2>/dev/null || fail "no screenshot"
    if /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/picture_check.py" --limit 0 \
         "$shot" "$shot.next.png" >/dev/null; then
      return 0
    fi
    mv "$shot.next.png" "$shot"
  done
  fail "$shot does not hold still"
}

# fullscreen_round_trip SCREEN ON OFF LOG: with the game's window ($win)
# windowed at 1280x720, pauses a game as the car drives in (a picture that
# holds still; the menu alone runs through its colours), then key ON must
# fill the SCREEN (WIDTHxHEIGHT) with that picture scaled, bars black, and
# key OFF bring back the window where it stood with the same picture.
fullscreen_round_trip() {
  local screen=$1 on=$2 off=$3 log=$4 at
  at=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p')
  press "$win" space p
  wait_for_line "$log" '^Paused' 60
  wait_for_still "$E2E_TMP/windowed.png" "1280x720+${at/,/+}"
  press "$win" "$on"
  wait_for_geometry "$screen" 0,0
  wait_for_picture "$E2E_TMP/full.png" "" "$E2E_TMP/windowed.png"
  press "$win" "$off"
  wait_for_geometry 1280x720 "$at"
  # The same picture as before: a paused game drawn again is drawn as it was.
  wait_for_picture "$E2E_TMP/back.png" "1280x720+${at/,/+}" --limit 0.1 "$E2E_TMP/windowed.png"
}
