#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The package as a Debian packager would check it: lintian with no error,
# warning or pedantic tag (the overrides say why a tag stays), and the desktop
# entry and AppStream metadata valid.
set -euo pipefail
deb=$(ls "$1"/krellwick_*.deb)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Lintian warns when run as root, which CI does; that line is no tag.
status=0
lintian --fail-on error,warning,pedantic -EvIL +pedantic --tag-display-limit 0 "$deb" \
  >"$tmp/lintian.txt" 2>&1 || status=$?
grep -v 'running with root privileges is not recommended' "$tmp/lintian.txt" || true
[ "$status" = 0 ] || { echo "FAIL: lintian (status $status)" >&2; exit 1; }

dpkg-deb -x "$deb" "$tmp/root"
desktop-file-validate "$tmp/root/usr/share/applications/krellwick.desktop" | tee "$tmp/desktop.txt"
[ ! -s "$tmp/desktop.txt" ] || { echo "FAIL: desktop-file-validate" >&2; exit 1; }
appstreamcli validate --no-net --pedantic "$tmp"/root/usr/share/metainfo/*.metainfo.xml
echo "PASS"
