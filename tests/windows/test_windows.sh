#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows game under Wine, in a throw-away Wine prefix on a private Xvfb:
# its unit and drawing tests, then the installer into a folder whose name has
# a space and non-ASCII letters, the installed game played through, its sound
# through OpenAL Soft's wave writer, broken copies of the portable folder,
# and the uninstaller.
#   tests/windows/test_windows.sh BUILD_DIR   (after scripts/windows.sh -DBUILD_TESTING=ON)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
build=$(realpath "$1")
setup=$(ls "$build"/krellwick-*-win64-setup.exe)
zip=$(ls "$build"/krellwick-*-win64.zip)

export WINEPREFIX=$E2E_TMP/wine WINEDEBUG=-all
# No Mono or Gecko installers, and no ALSA driver: there is no sound card.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
unset ALSOFT_CONF ALSOFT_DRIVERS
wine_cleanup() {
  wineserver -k 2>/dev/null || true
  e2e_cleanup
}
trap wine_cleanup EXIT

passed=0
ok() { echo "ok: $*"; passed=$((passed + 1)); }
# Programs run through cmd /c, which ends with the program's own exit code.
# Once a program's last thread has ended, Wine gives its Linux process a
# second to finish (the host's GL library tearing down, under load) before
# killing it, and a program started by wine directly would then read as
# killed (137) though it exited cleanly.

start_xvfb 1920x1080
wineboot -i >/dev/null 2>&1 || fail "could not make a Wine prefix"
wineserver -w

# --- The core's tests, cross-built --------------------------------------
# Wine under load now and then cannot make a window at all: freeglut says
# "Failed to create a window" and the program ends before it draws anything.
# Such a start, which a player would simply repeat, is tried again (twice at
# most) and said so; any other ending counts.
NO_WINDOW='Failed to create a window'

# run_suite NAME EXE: one suite; a failure names its tests, or shows how the
# run ended when none failed (a crash, or Wine's own trouble).
run_suite() {
  local log=$E2E_TMP/$2.log status tries=0
  while
    status=0
    (cd "$build" && wine cmd /c "$2") >"$log" 2>&1 || status=$?
    [ $status != 0 ] && [ $tries -lt 2 ] && grep -q "$NO_WINDOW" "$log"
  do
    tries=$((tries + 1))
    echo "($1: Wine could not make a window; run again)"
  done
  [ $status = 0 ] || fail "$1 (exit status $status): $(grep -E 'FAILED|Failure|differ' "$log" | head -n 20)
$(tr -d '\r' <"$log" | tail -n 8)"
  ok "$1: $(grep -E '^\[  PASSED  \]' "$log" | tr -d '\r')"
}
run_suite "unit tests" krellwick_tests.exe
run_suite "drawing tests" krellwick_gl_tests.exe

# start_wine_game LOG DIR PROGRAM: the game started from DIR as cmd /c
# PROGRAM, its console in LOG; a start with no window is made again with
# LOG begun anew.
start_wine_game() {
  cat >"$1.run" <<SCRIPT
#!/bin/sh
cd "$2" || exit 1
tries=0
until wine cmd /c "$3"; do
  status=\$?
  tries=\$((tries + 1))
  [ \$tries -le 2 ] && [ "\$(cat "$1" "$1.stderr" | grep -c "$NO_WINDOW")" -ge \$tries ] || exit \$status
  echo "(Wine could not make a window; started again)" >&2
  exec >"$1"
done
SCRIPT
  chmod +x "$1.run"
  start_game "$1.run" "$1"
}

# --- What the program needs ---------------------------------------------
imports=$(x86_64-w64-mingw32-objdump -p "$build/krellwick.exe" | sed -n 's/.*DLL Name: //p' | sort -u | xargs)
for dll in $imports; do
  case "${dll,,}" in
    kernel32.dll | msvcrt.dll | user32.dll | gdi32.dll | winmm.dll | opengl32.dll | advapi32.dll | \
      setupapi.dll | ole32.dll | openal32.dll | libsndfile.dll | api-ms-win-crt-*.dll) ;;
    *) fail "krellwick.exe imports $dll" ;;
  esac
done
grep -aq '<dpiAwareness[^>]*>PerMonitorV2' "$build/krellwick.exe" || fail "no DPI awareness in the manifest"
ok "imports: $imports; aware of each monitor's scale"

# --- Installed silently into a folder with a space and non-ASCII letters --
folder='C:\Jeux\Krellwick Zoë'
installed="$WINEPREFIX/drive_c/Jeux/Krellwick Zoë"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Krellwick.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Krellwick'
# /D= goes last and unquoted: Wine joins the two words with the space.
wine "$setup" /S '/D=C:\Jeux\Krellwick' 'Zoë' || fail "the installer failed"
wineserver -w
for f in krellwick.exe OpenAL32.dll libsndfile.dll Uninstall.exe LICENSE.txt README.txt \
  textures/CAR.png textures/SCORE_FONT.png models/sphere.obj sounds/car_shot.flac licenses/SDL2/LICENSE.txt \
  licenses/dejavu-fonts/copyright.txt; do
  [ -f "$installed/$f" ] || fail "not installed: $f"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$key" /v UninstallString 2>/dev/null | grep -q 'Uninstall.exe' ||
  fail "no entry among the installed programs"
ok "installed into $folder, with a shortcut and an uninstaller"

# --- The installed game, started from elsewhere, played and quit with Esc --
# A best score kept in the player's data folder, %APPDATA%\Krellwick.
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)
best=$appdata/Krellwick/best-score
mkdir -p "$(dirname "$best")"
printf 'krellwick best score\n3\n' >"$best"
log=$E2E_TMP/installed.log
start_wine_game "$log" "$E2E_TMP" "$folder\\krellwick.exe"
win=$(wait_for_window)
wait_for_line "$log" '^+ Fps:   ' 90
tr -d '\r' <"$log" >"$log.unix"
geometry=$(xdotool getwindowgeometry "$win")
grep -q "Geometry: 1280x720" <<<"$geometry" || fail "window not 1280x720: $geometry"
# Centred: Windows places the window's frame, which Wine draws itself here
# (no window manager), so the picture sits a border and a title bar inside.
read -r x y < <(sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p' <<<"$geometry")
[ $((x - 320)) -ge 0 ] && [ $((x - 320)) -le 8 ] && [ $((y - 180)) -ge 0 ] && [ $((y - 180)) -le 32 ] ||
  fail "window not centred: $geometry"
[ "$(grep -c '^Loading ' "$log.unix")" = 53 ] || fail "not 53 Loading lines"
grep -qxF "Loading $folder\\textures\\MENU_INITIAL.png" "$log.unix" ||
  fail "asset paths: $(grep -m1 '^Loading' "$log.unix")"
grep -q '^Drawing path: ' "$log.unix" || fail "no Drawing path line"
grep -qx 'Sound: off (no audio device)' "$log.unix" || fail "no 'Sound: off' line"
grep -q ERROR "$log.unix" && fail "an error line: $(grep ERROR "$log.unix")"
# The read-out: the README's keyboard box, each line ending in a space, then
# the frame rate and the score, as on Linux.
sed -n '/^    +------------- KEYBOARD KEYS/,/^    +----------*+$/s/^    \(.*\)$/\1 /p' \
  "$here/../../README.md" >"$E2E_TMP/box"
sed -n '/^+------------- KEYBOARD KEYS/,/^+ Best: /p' "$log.unix" | head -n 24 >"$E2E_TMP/readout"
diff <(head -n 21 "$E2E_TMP/readout") "$E2E_TMP/box" >&2 || fail "the keyboard box differs"
sed -n '22p' "$E2E_TMP/readout" | grep -qE '^\+ Fps:   [0-9]+\.[0-9]{6} $' || fail "no Fps line"
sed -n '23p' "$E2E_TMP/readout" | grep -qx '+ Score: 0 ' || fail "no Score line"
sed -n '24p' "$E2E_TMP/readout" | grep -qx '+ Best: 3 ' || fail "not the kept best: $(sed -n 24p "$E2E_TMP/readout")"
ok "start-up: $(grep '^Drawing path' "$log.unix"), window $geometry"

shot() { import -display "$DISPLAY" -window "$win" "$1" 2>/dev/null || fail "no screenshot"; }
shot "$E2E_TMP/menu.png"
press "$win" space
sleep 2.6  # the drive-in; a key sent during it is only lost, not harmful
press "$win" space d d w space a k space
# The play picture: not black, and far from the menu's. Waited for, as Wine
# under load can take a while to show the first frames of play.
playing=
for _ in $(seq 60); do
  shot "$E2E_TMP/play.png"
  if python3 - "$E2E_TMP/menu.png" "$E2E_TMP/play.png" <<'PY'; then playing=1; break; fi
import subprocess, sys
def mean(path):
    out = subprocess.run(["convert", path, "-colorspace", "Gray", "-format", "%[fx:mean]", "info:"],
                         capture_output=True, text=True, check=True).stdout
    return float(out)
diff = subprocess.run(["compare", "-metric", "AE", sys.argv[1], sys.argv[2], "null:"],
                      capture_output=True, text=True).stderr.split()[0]
play = mean(sys.argv[2])
print(f"play picture mean {play:.3f}, {diff} pixels differ from the menu")
sys.exit(0 if play > 0.02 and float(diff) > 50000 else 1)
PY
  still_running "$log"
  sleep 0.5
done
[ -n "$playing" ] || fail "the playing picture is wrong"
ok "played: start, fire, move, jump"
pause_and_beat_the_best "$log" "$best" 3
ok "paused by P and by losing the keyboard; a new best kept, back to the menu, Esc"

# --- The portable folder: sound through the wave writer, broken copies ----
python3 -m zipfile -e "$zip" "$E2E_TMP/zip"
portable=$(ls -d "$E2E_TMP"/zip/krellwick-*-win64)
# copy NAME: a fresh copy of the portable folder; prints its path.
copy() { cp -r "$portable" "$E2E_TMP/$1" && echo "$E2E_TMP/$1"; }
# run_copy DIR LOG: starts DIR's game from DIR.
run_copy() { start_wine_game "$2" "$1" krellwick.exe; }

dir=$(copy sound)
wav=$E2E_TMP/sound.wav
# OpenAL Soft reads alsoft.ini beside the program.
printf '[general]\ndrivers=wave\nfrequency=44100\nchannels=stereo\nsample-type=int16\n[wave]\nfile=Z:%s\n' \
  "${wav//\//\\}" >"$dir/alsoft.ini"
run_copy "$dir" "$E2E_TMP/sound.log"
play_five_shots "$wav" "$E2E_TMP/sound.log"
/usr/bin/python3 "$here/../e2e/sound_check.py" "$wav" "${SHOT_SIZES[@]}" || fail "the recording does not sound right"
ok "sound: the shots are heard"

dir=$(copy no_moon)
rm "$dir/textures/MOON.png"
dir2=$(copy no_kernel)
rm "$dir2/models/mountain1.kernel"
for case in no_moon no_kernel; do
  log=$E2E_TMP/$case.log
  run_copy "$E2E_TMP/$case" "$log"
  win=$(wait_for_window)
  wait_for_line "$log" '^+ Fps:   ' 90
  press "$win" space
  sleep 2.6
  press "$win" space
  still_running "$log"
  quit_with_escape "$case"
done
grep -q '^ERROR: Could not load Texture Index 3 .$' "$E2E_TMP/no_moon.log" || fail "no error for the moon"
[ "$(grep -c ERROR "$E2E_TMP/no_moon.log")" = 1 ] || fail "other errors without the moon"
grep -qF "Mountain kernel missing or empty: Z:${dir2//\//\\}\\models\\mountain1.kernel, the mountains stay flat" \
  "$E2E_TMP/no_kernel.log" || fail "no kernel message: $(grep -a Mountain "$E2E_TMP/no_kernel.log")"
ok "a missing texture and a missing kernel are reported, and the game plays"

# --- Fullscreen (F11, Alt+Enter), then a desktop scaled to 200% ----------
dir=$(copy screens)
log=$E2E_TMP/fullscreen.log
run_copy "$dir" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^+ Fps:   ' 90
fullscreen_round_trip 1920x1080 F11 alt+Return "$log"
quit_with_escape "fullscreen"
ok "fullscreen: F11 fills the screen with the picture scaled, Alt+Enter brings back the window"

# 192 dots an inch: the window is 1280x720 of the desktop's units, and its
# picture drawn at 1280x720 and doubled, sharp.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
wineserver -k 2>/dev/null || true
kill "$XVFB_PID"
start_xvfb 3840x2160
log=$E2E_TMP/scaled.log
run_copy "$dir" "$log"
win=$(wait_for_window)
wait_for_line "$log" '^+ Fps:   ' 90
wait_for_geometry 2560x1440
at=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1+\2/p')
[ $((${at%+*} - 640)) -ge 0 ] && [ $((${at%+*} - 640)) -le 16 ] && [ $((${at#*+} - 360)) -ge 0 ] &&
  [ $((${at#*+} - 360)) -le 64 ] || fail "the scaled window is not centred: at $at"
press "$win" space p
wait_for_line "$log" '^Paused' 60
wait_for_picture "$E2E_TMP/scaled.png" "2560x1440+$at" --whole 2
quit_with_escape "at 200%"
ok "at 192 dots an inch: a centred 2560x1440 window, the 1280x720 picture doubled"

# --- Uninstalled silently ------------------------------------------------
wine "$installed/Uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
[ -e "$installed" ] && fail "the uninstaller left $(ls -A "$installed")"
[ -e "$shortcut" ] && fail "the uninstaller left the shortcut"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the registry entry"
ok "uninstalled: folder, shortcut and entry gone"

echo "$passed passed, 0 failed"
