#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser version into krellwick-web/: a static folder (the page,
# krellwick.js and .wasm, the packed assets) that any web server can host.
#   scripts/web.sh            # the game
#   scripts/web.sh --tests    # also the unit tests for node (build-web/krellwick_tests.js)
# Installs what is missing with apt-get (as root); the libraries are built
# once from Debian's sources (scripts/web_deps.sh). Serve it with
#   cd krellwick-web && python3 -m http.server 8000
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${WEB_BUILD_DIR:-$root/build-web}
out=$root/krellwick-web
targets=(krellwick krellwick_web_pack)
[ "${1:-}" = "--tests" ] && targets+=(krellwick_tests)

"$root/scripts/setup.sh" --web
prefix=$("$root/scripts/web_deps.sh" | tail -n1)
# Emscripten's tools need Debian's acorn, which another node on PATH misses.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKRELLWICK_WEBDEPS="$prefix" \
  -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

rm -rf "$out" && mkdir -p "$out/icons"
# Everything the game needs, which the service worker caches on the first visit.
cached=(index.html krellwick.js krellwick.wasm krellwick.data krellwick-data.js krellwick-data.js.metadata
        krellwick.webmanifest icons/192.png icons/512.png icons/maskable-512.png)
for f in "${cached[@]}"; do
  case $f in icons/*) cp "$build/icons/web/${f#icons/}" "$out/$f" ;; *) cp "$build/$f" "$out/$f" ;; esac
done
# The worker's version: the first 12 hex digits of the sha256 of the files'
# sha256sum listing, so that any change to them makes a new worker, which
# replaces the players' cached copy.
version=$(cd "$out" && sha256sum -- "${cached[@]}" | sha256sum | cut -c1-12)
list=$(printf "'%s', " "${cached[@]}")
sed -e "s|@VERSION@|$version|" -e "s|/\*@FILES@\*/|${list%, }|" "$build/sw.js" > "$out/sw.js"
cp -r "$prefix/share/licenses" "$out/licenses"
mkdir -p "$out/licenses/krellwick" && cp "$root/LICENSE" "$out/licenses/krellwick/"
# The score's glyphs are drawn from the DejaVu fonts.
mkdir -p "$out/licenses/dejavu-fonts" && cp /usr/share/doc/fonts-dejavu-core/copyright "$out/licenses/dejavu-fonts/"
echo "krellwick-web/: $(du -sb --exclude=licenses "$out" | cut -f1) bytes; serve it with: cd krellwick-web && python3 -m http.server 8000"
