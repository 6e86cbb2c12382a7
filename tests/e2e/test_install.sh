#!/usr/bin/env bash
# Installs into a temporary prefix and starts the installed game through its
# PATH symlink from an unrelated directory; then builds the Debian package,
# unpacks it and does the same with its contents.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
build=$(dirname "$game")

run_installed() {
  local prefix=$1
  local log=$E2E_TMP/installed.log
  mkdir -p "$E2E_TMP/cwd"
  (cd "$E2E_TMP/cwd" && PATH="$prefix/bin:$PATH" exec krellwick) >"$log" 2>&1 &
  GAME_PID=$!
  win=$(wait_for_window)
  wait_for_line "$log" '^+ Fps:   ' 10
  grep -q ERROR "$log" && fail "missing assets after install: $(grep ERROR "$log" | head -3)"
  grep -q "^Loading $prefix/lib/krellwick/textures/CAR.png$" "$log" \
    || fail "assets not read from the private directory: $(grep -m1 Loading "$log")"
  press "$win" Escape Escape
  status=$(wait_for_exit 10)
  [ "$status" = 0 ] || fail "exit status $status"
}

start_xvfb 1920x1080

prefix=$E2E_TMP/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -L "$prefix/bin/krellwick" ] || fail "no krellwick symlink on the PATH"
for f in share/applications/krellwick.desktop share/man/man6/krellwick.6 \
         share/icons/hicolor/48x48/apps/krellwick.png share/icons/hicolor/128x128/apps/krellwick.png \
         share/icons/hicolor/256x256/apps/krellwick.png lib/krellwick/models/sphere.obj \
         lib/krellwick/textures/ZAP.png; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
grep -q '^Categories=Game;ArcadeGame;$' "$prefix/share/applications/krellwick.desktop" || fail "desktop entry"
run_installed "$prefix"

# The Debian package: its dependencies and its contents.
(cd "$build" && cpack -G DEB -B "$E2E_TMP/deb" >/dev/null)
deb=$(ls "$E2E_TMP"/deb/krellwick_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libglut3.12 libsoil1 libgl1; do
  grep -q "$dep" <<<"$depends" || fail "package does not depend on $dep: $depends"
done
dpkg-deb -x "$deb" "$E2E_TMP/root"
run_installed "$E2E_TMP/root/usr"
echo "PASS"
