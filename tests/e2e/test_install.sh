#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed game, started through its PATH link from an unrelated
# directory: installed into a temporary prefix with `cmake --install`, then
# from the Debian package's unpacked contents, and, as root, the package
# installed with apt-get, played, and purged again without a trace.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
build=$(dirname "$game")
deb=$(ls "$build"/package/krellwick_*.deb 2>/dev/null) \
  || fail "no package in $build/package: ctest builds it first (package_build)"

# run_installed BINDIR PRIVATE_DIR [play]: starts krellwick found on the PATH
# in BINDIR, checks it reads its assets beside the executable in PRIVATE_DIR,
# plays a little when asked and quits with Esc.
run_installed() {
  local bindir=$1 private=$2 play=${3:-}
  local log=$E2E_TMP/installed.log
  mkdir -p "$E2E_TMP/cwd"
  (cd "$E2E_TMP/cwd" && PATH="$bindir:/usr/bin:/bin" exec krellwick) >"$log" 2>"$log.stderr" &
  GAME_PID=$!
  win=$(wait_for_window)
  wait_for_line "$log" '^+ Fps:   ' 60
  grep -q ERROR "$log" && fail "missing assets after install: $(grep ERROR "$log" | head -3)"
  grep -q "^Loading $private/textures/CAR.png$" "$log" \
    || fail "assets not read beside the executable: $(grep -m1 Loading "$log")"
  grep -q "^Loading $private/models/mountain1.kernel$" "$log" || fail "models not read"
  if [ -n "$play" ]; then
    # Start, wait out the drive-in, drive, jump, fire, and leave play.
    press "$win" space
    sleep 2.5
    press "$win" d d w space l space a
    sleep 1
    still_running "$log"
  fi
  quit_with_escape
}

start_xvfb 1920x1080

# The stand-alone install.
prefix=$E2E_TMP/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(readlink "$prefix/games/krellwick")" = ../libexec/krellwick/krellwick ] \
  || fail "no relative krellwick link in games/"
for f in libexec/krellwick/krellwick libexec/krellwick/models/sphere.obj \
         libexec/krellwick/textures/ZAP.png share/games/krellwick/models/mountain1.kernel \
         libexec/krellwick/sounds/car_shot.flac \
         share/applications/krellwick.desktop share/man/man6/krellwick.6.gz \
         share/metainfo/invalid.krellwick.krellwick.metainfo.xml \
         share/icons/hicolor/48x48/apps/krellwick.png share/icons/hicolor/128x128/apps/krellwick.png \
         share/icons/hicolor/256x256/apps/krellwick.png share/icons/hicolor/scalable/apps/krellwick.svg \
         share/doc/krellwick/copyright share/doc/krellwick/changelog.gz; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -L "$prefix/libexec/krellwick/textures" ] || fail "textures is not a link into share/games"
# --version and --help need no display.
[ "$(env -u DISPLAY "$prefix/games/krellwick" --version)" = "krellwick 1.0" ] || fail "--version"
env -u DISPLAY "$prefix/games/krellwick" --help | grep -q -- '-display' || fail "--help"
run_installed "$prefix/games" "$prefix/libexec/krellwick"

# The package's contents, unpacked.
dpkg-deb -x "$deb" "$E2E_TMP/root"
run_installed "$E2E_TMP/root/usr/games" "$E2E_TMP/root/usr/libexec/krellwick"

# The package installed on this system. Only as root, and only when no
# krellwick is installed already (that one is left alone).
if [ "$(id -u)" != 0 ]; then
  echo "SKIP: installing the package with apt-get needs root"
  echo "PASS"; exit 0
fi
if [ -n "$(dpkg-query -W -f='${db:Status-Abbrev}' krellwick 2>/dev/null | tr -d ' n')" ]; then
  echo "SKIP: a krellwick package is already on this system"
  echo "PASS"; exit 0
fi

apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -q "$@"; }
installed_packages() {
  dpkg-query -W -f='${db:Status-Abbrev}${binary:Package}\n' | awk '/^ii/ {print $2}' | sort
}
# restore_system: purges krellwick and whatever its install brought in.
restore_system() {
  [ -n "${DEB_INSTALLED:-}" ] || return 0
  DEB_INSTALLED=
  apt_get purge krellwick >>"$E2E_TMP/apt.log" 2>&1 || dpkg --purge krellwick || true
  local added
  added=$(comm -13 "$E2E_TMP/before" <(installed_packages))
  # shellcheck disable=SC2086 # one argument per package
  [ -z "$added" ] || apt_get purge $added >>"$E2E_TMP/apt.log" 2>&1 || true
}
trap 'restore_system || true; e2e_cleanup' EXIT
trap 'exit 143' TERM INT

installed_packages >"$E2E_TMP/before"
DEB_INSTALLED=1
(cd "$(dirname "$deb")" && apt_get install "./$(basename "$deb")") >"$E2E_TMP/apt.log" 2>&1 \
  || { cat "$E2E_TMP/apt.log" >&2; fail "apt-get install"; }
dpkg -L krellwick | sort >"$E2E_TMP/files"
# Debian's PATH for users, where games are found.
found=$(PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games command -v krellwick || true)
[ "$found" = /usr/games/krellwick ] || fail "krellwick on the PATH is '$found'"
[ "$(env -u DISPLAY /usr/games/krellwick --version)" = "krellwick 1.0" ] || fail "installed --version"
run_installed /usr/games /usr/libexec/krellwick play

restore_system
state=$(dpkg-query -W -f='${db:Status-Abbrev}' krellwick 2>/dev/null | tr -d ' n' || true)
[ -z "$state" ] || fail "krellwick still known to dpkg after the purge: $state"
left=()
while read -r f; do
  { [ -d "$f" ] && [ ! -L "$f" ]; } && continue
  { [ -e "$f" ] || [ -L "$f" ]; } && left+=("$f")
done <"$E2E_TMP/files"
for d in /usr/libexec/krellwick /usr/share/games/krellwick /usr/share/doc/krellwick; do
  [ -e "$d" ] && left+=("$d")
done
[ ${#left[@]} = 0 ] || fail "left after the purge: ${left[*]}"
echo "PASS"
