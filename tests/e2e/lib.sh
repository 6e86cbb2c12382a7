# SPDX-License-Identifier: MIT
# Shared helpers for the end-to-end tests: a private Xvfb, the game started
# under it, and waiting for its window.
set -euo pipefail

E2E_TMP=$(mktemp -d)
XVFB_PID=
GAME_PID=

e2e_cleanup() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_xvfb WIDTHxHEIGHT: a display of our own, free of other tests, from
# $E2E_DISPLAYS (display numbers) when set, with $XVFB_ARGS added.
start_xvfb() {
  local size=${1:-1920x1080}
  for n in ${E2E_DISPLAYS:-$(seq 140 199)}; do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    # -noreset: otherwise Xvfb resets when its last client leaves, and a
    # client connecting in that moment is refused.
    # shellcheck disable=SC2086 # XVFB_ARGS: extra options, word-split
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset ${XVFB_ARGS:-} >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.05; done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  fail "could not start Xvfb"
}

# start_game BINARY LOGFILE [workdir]
start_game() {
  local binary=$1 log=$2 dir=${3:-$E2E_TMP}
  # Libraries' complaints on standard error (no sound card, say) are
  # unbuffered and would land in the middle of the buffered console lines.
  (cd "$dir" && exec "$binary") >"$log" 2>"$log.stderr" &
  GAME_PID=$!
}

# wait_for_window: prints the window id of the game's window.
wait_for_window() {
  local id=
  for _ in $(seq 200); do
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
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  for key in "$@"; do xdotool key "$key"; sleep 0.05; done
}

# wait_for_exit SECONDS: sets GAME_STATUS to the game's exit status, or fails
# when it keeps running. Not to be called in $(...): a subshell cannot wait
# for its parent's child and would read -1 when the game ends meanwhile.
wait_for_exit() {
  local seconds=$1
  for _ in $(seq $((seconds * 20))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      GAME_STATUS=0
      wait "$GAME_PID" || GAME_STATUS=$?
      GAME_PID=
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
  local file=$1 pattern=$2 seconds=$3
  for _ in $(seq $((seconds * 20))); do
    grep -q -- "$pattern" "$file" && return 0
    sleep 0.05
  done
  fail "no line matching '$pattern' in $file after $seconds s"
}

# quit_with_escape [WHAT]: Esc until the game ends (Esc leaves play, is ignored
# during the drive-out and quits from a menu), then its exit status must be 0.
quit_with_escape() {
  for _ in $(seq 20); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    press "$win" Escape
    sleep 0.5
  done
  wait_for_exit 5
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
# a quiet stretch in the menu, then a game with five shots a second apart,
# and Esc until it ends. SHOT_SIZES: the WAV's sizes at the quiet stretch's
# start and end and at each shot, for sound_check.py.
play_five_shots() {
  local wav=$1 log=$2
  size() { stat -c %s "$wav" 2>/dev/null || echo 0; }
  win=$(wait_for_window)
  wait_for_line "$log" '^Sound: .*Wave File Writer' 30
  sleep 1
  SHOT_SIZES=("$(size)")
  sleep 3
  SHOT_SIZES+=("$(size)")
  press "$win" space
  sleep 2.6  # the drive-in
  # The turret straight up: the shots fly clear of the rabbits on the ground.
  press "$win" k k
  sleep 1.5
  for _ in 1 2 3 4 5; do
    SHOT_SIZES+=("$(size)")
    xdotool key space
    sleep 1
  done
  still_running "$log"
  press "$win" Escape
  sleep 3
  quit_with_escape
}
