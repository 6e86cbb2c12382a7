#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# No usable audio device: the game says so in one line and plays as before,
# silently. On a machine without sound hardware or server the audio
# libraries say nothing of it on standard error; elsewhere OpenAL Soft is
# told to use a backend that does not exist.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")

start_xvfb 1920x1080
unset ALSOFT_CONF ALSOFT_DRIVERS ALSOFT_LOGLEVEL
bare=1
if ls /dev/snd/pcmC*p >/dev/null 2>&1 || [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/pulse/native" ] ||
   [ -e "${XDG_RUNTIME_DIR:-/nonexistent}/pipewire-0" ]; then
  bare=
  export ALSOFT_DRIVERS=none
fi
log=$E2E_TMP/game.log
start_game "$game" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^+ Fps:   ' 60
press "$win" space
sleep 2.6
press "$win" space k space
sleep 1
still_running "$log"
quit_with_escape
[ "$(grep -c '^Sound: ' "$log")" = 1 ] || fail "expected one Sound line: $(grep '^Sound' "$log")"
grep -qx 'Sound: off (no audio device)' "$log" || fail "no 'Sound: off' line"
grep -q ERROR "$log" && fail "an error line: $(grep ERROR "$log")"
if [ -n "$bare" ] && grep -E 'ALSA|AL lib|ALSOFT|\(EE\)' "$log.stderr"; then
  fail "the audio libraries spoke on standard error"
fi
echo "PASS"
