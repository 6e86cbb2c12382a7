#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real game started on broken assets, each case in its own copy of the
# build: it must report what it could not load, keep running through the
# menu, the drive-in and a moment of play, and quit cleanly with Esc. Then
# window resizes, which the game undoes. First, no display to open.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
build=$(dirname "$game")

start_xvfb 1920x1080

# A stale DISPLAY, an unset one, and a -display argument naming none: our
# words and the Xvfb hint, status 1, no window.
n=77
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
stale="Could not open the display ':$n', so the game window cannot open."
for how in stale unset argument; do
  status=0
  case $how in
    stale) out=$(DISPLAY=:$n "$game" 2>&1) || status=$?; expected=$stale ;;
    unset) out=$(env -u DISPLAY "$game" 2>&1) || status=$?
           expected='No display found (DISPLAY is not set), so the game window cannot open.' ;;
    argument) out=$("$game" -display ":$n" 2>&1) || status=$?; expected=$stale ;;
  esac
  [ "$status" = 1 ] || fail "$how display: exit status $status: $out"
  grep -qxF "$expected" <<<"$out" || fail "$how display: $out"
  grep -qF "xvfb-run -a -s \"-screen 0 1920x1080x24\" $game" <<<"$out" || fail "$how display: no hint: $out"
done
echo "ok: no display to open"

# cut_deflate FILE: the PNG's deflate stream cut in half, in one IDAT chunk
# whose CRC is right, then IEND: the file looks whole, the picture is not.
cut_deflate() {
  python3 - "$1" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
chunks, p = [], 8
while p < len(data):
    n, kind = struct.unpack('>I4s', data[p:p + 8])
    chunks.append((kind, data[p + 8:p + 8 + n]))
    p += 12 + n
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
stream = b''.join(body for kind, body in chunks if kind == b'IDAT')
head = b''.join(chunk(k, b) for k, b in chunks if k not in (b'IDAT', b'IEND'))
open(sys.argv[1], 'wb').write(data[:8] + head + chunk(b'IDAT', stream[:len(stream) // 2]) +
                              chunk(b'IEND', b''))
PY
}

kernel_flat='Mountain kernel missing or empty: '
bad_face='TriMesh::LOAD: Face index out of range. Ignoring face'
# name | how to break the copy (run inside it) | texture indices that fail | message | times
# Each case must start (show its first read-out) within 15 s: a hang fails.
# The sound_ cases play through OpenAL Soft's wave writer, so the sounds are
# really loaded; their quit must not wait on the sound's start-up.
cases="
no_textures      | rm -r textures                                   | all         |              | 0
empty_textures   | rm textures/*                                     | all         |              | 0
truncated_png    | head -c 300 $build/textures/CAR.png >textures/CAR.png | 10 11 12 13 |          | 0
text_as_png      | echo 'not a picture' >textures/MOON.png           | 3           |              | 0
cut_deflate_png  | cut_deflate textures/MOON.png                     | 3           | MOON.png not loaded: Not enough image data | 1
fifo_png         | rm textures/CAR.png && mkfifo textures/CAR.png    | 10 11 12 13 | CAR.png not loaded: not a regular file | 4
no_models        | rm -r models                                      |             | $kernel_flat | 1
empty_kernel     | : >models/mountain1.kernel                        |             | $kernel_flat | 1
fifo_kernel      | rm models/mountain1.kernel && mkfifo models/mountain1.kernel | | $kernel_flat | 1
nonsquare_kernel | printf '0,1,2,1,0\n0,2,4,2,0\n0,1,2,1,0\n' >models/mountain1.kernel | |        | 0
junk_kernel      | head -c 8192 krellwick >models/mountain1.kernel   |             |              | 0
nan_kernel       | printf '0,0,0\n0,nan,0\n0,0,0\n' >models/mountain1.kernel | | Mountain kernel value not finite: | 1
huge_kernel      | printf '0,0,0\n0,1e308,0\n0,0,0\n' >models/mountain1.kernel | | Mountain kernel value too large: | 1
bad_obj_indices  | printf 'f 1 2 9999\nf -1 -2 -3\nf 0 1 2\n' >>models/sphere.obj | | $bad_face    | 3
faces_first_obj  | (grep '^f ' models/sphere.obj; grep -v '^f ' models/sphere.obj) >o && mv o models/sphere.obj | | | 0
fifo_obj         | rm models/sphere.obj && mkfifo models/sphere.obj  |             |              | 0
sound_fifo       | rm sounds/engine_hum.flac && mkfifo sounds/engine_hum.flac | | ERROR: Could not load sound $E2E_TMP/sound_fifo/sounds/engine_hum.flac | 1
sound_folder     | rm sounds/car_shot.flac && mkdir sounds/car_shot.flac | | ERROR: Could not load sound $E2E_TMP/sound_folder/sounds/car_shot.flac | 1
sound_junk       | head -c 8192 krellwick >sounds/night_ambience.flac | | ERROR: Could not load sound $E2E_TMP/sound_junk/sounds/night_ambience.flac | 1
"

all_indices=$(echo 0 1 2 3 4 5 7 8 9 10 11 12 13 14 15 16 17 45 46 18 19 20 21 22 23 24 25 \
  26 47 48 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 49 50 51)

trim() { sed 's/^ *//; s/ *$//' <<<"$1"; }

while IFS='|' read -r name breaking failing message times; do
  name=$(trim "$name")
  [ -n "$name" ] || continue
  failing=$(trim "$failing"); message=$(trim "$message"); times=$(trim "$times")
  [ "$failing" = all ] && failing=$all_indices
  echo "== $name"

  dir=$E2E_TMP/$name
  mkdir -p "$dir"
  cp "$game" "$dir/"
  cp -r "$build/models" "$build/textures" "$build/sounds" "$dir/"
  (cd "$dir" && eval "$(trim "$breaking")") || fail "$name: could not break the copy"

  log=$E2E_TMP/$name.log
  unset ALSOFT_CONF
  [[ $name = sound_* ]] && record_sound "$E2E_TMP/$name.wav"
  start_game "$dir/krellwick" "$log"
  win=$(wait_for_window)
  wait_for_line "$log" '^+ Fps:   ' 60
  sleep 1
  still_running "$log"
  # Start a game: the drive-in and play draw the car, balloons and rabbits.
  press "$win" space
  sleep 2.5
  still_running "$log"
  quit_with_escape "$name"
  loads=$(grep -c '^Loading ' "$log" || true)
  [ "$loads" = 53 ] || fail "$name: $loads Loading lines, expected 53"
  grep -q '^+ Fps:   ' "$log" || fail "$name: no read-out"
  seen=$( (grep '^ERROR: Could not load Texture Index [0-9]* $' "$log" || true) | awk '{print $NF}' | xargs)
  [ "$seen" = "$(xargs <<<"$failing")" ] || fail "$name: texture errors for [$seen], expected [$failing]"
  others=$( (grep ERROR "$log" | grep -v -F -- "${message:-no message}" || true) | wc -l)
  [ "$others" = "$(wc -w <<<"$failing")" ] || fail "$name: other ERROR lines"
  if [ -n "$message" ]; then
    count=$(grep -c -F -- "$message" "$log" || true)
    [ "$count" = "$times" ] || fail "$name: '$message' $count times, expected $times"
  fi
  grep -q -E 'Mountain kernel|TriMesh::LOAD' "$log" && [ -z "$message" ] &&
    fail "$name: unexpected reader message: $(grep -E 'Mountain kernel|TriMesh::LOAD' "$log")"
  echo "ok: $name"
done <<<"$cases"

echo "== window resizes"
log=$E2E_TMP/resize.log
start_game "$game" "$log"
win=$(wait_for_window)
sleep 1
for size in "1920 1080" "10 10" "4000 3000"; do
  # Paused, the game cannot answer: the window really takes the new size.
  kill -STOP "$GAME_PID"
  xdotool windowsize "$win" $size
  geometry=$(xdotool getwindowgeometry "$win")
  kill -CONT "$GAME_PID"
  grep -q "Geometry: ${size/ /x}" <<<"$geometry" || fail "resize to $size did not happen: $geometry"
  snapped= end=$((SECONDS + 30))
  while [ $SECONDS -lt $end ]; do
    geometry=$(xdotool getwindowgeometry "$win")
    grep -q 'Geometry: 1280x720' <<<"$geometry" && { snapped=1; break; }
    sleep 0.05
  done
  [ -n "$snapped" ] || fail "after a resize to $size the window stayed: $geometry"
  still_running "$log"
  echo "ok: ${size/ /x} snapped back to 1280x720"
done
quit_with_escape "after the resizes"
echo "PASS"
