#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every shared library the packaged programs load must belong to a package in
# the package's Depends or in those packages' own dependencies, so that
# installing the package on a clean system brings everything the game needs.
set -euo pipefail
deb=$(ls "$1"/krellwick_*.deb)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
dpkg-deb -x "$deb" "$tmp/root"

# The names in Depends and Pre-Depends, alternatives too, without versions.
direct=$({ dpkg-deb -f "$deb" Depends; dpkg-deb -f "$deb" Pre-Depends; } \
  | tr ',|' '\n\n' | sed 's/(.*)//; s/:any//; s/[[:space:]]//g' | grep . | sort -u || true)
[ -n "$direct" ] || fail "the package has no Depends"
echo "Depends: ${direct//$'\n'/ }"
# Their closure (apt-cache shows virtual packages as <name>).
# shellcheck disable=SC2086 # one argument per package
apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
    --no-replaces --no-enhances $direct \
  | grep -v '^ ' | sed 's/^<\(.*\)>$/\1/; s/:.*//' | sort -u >"$tmp/closure"
echo "closure: $(wc -l <"$tmp/closure") packages"

# Every library the loader maps for each program, the interpreter included:
# lines "soname path", the path "-" when the library is missing.
: >"$tmp/libs"
while IFS= read -r -d '' file; do
  readelf -h "$file" >/dev/null 2>&1 || continue
  ldd "$file" | awk '/=> not found/ {print $1, "-"; next}
                     $2 == "=>" && $3 ~ /^\// {print $1, $3; next}
                     $1 ~ /^\// {print $1, $1}' >>"$tmp/libs"
done < <(find "$tmp/root" -type f \( -perm /111 -o -name '*.so*' \) -print0)
[ -s "$tmp/libs" ] || fail "no program with libraries in the package"
sort -u -o "$tmp/libs" "$tmp/libs"

# dpkg knows a file under one name (/lib/... or /usr/lib/... across the /usr
# merge, a link or its target): ask under all of them in one query, and
# compare the answers by the resolved path.
awk '$2 != "-" {print $2}' "$tmp/libs" | xargs -r realpath -m >"$tmp/real"
awk '$2 != "-" {print $2}' "$tmp/libs" | cat - "$tmp/real" \
  | awk '{print; if ($0 ~ /^\/usr\//) print substr($0, 5); else print "/usr" $0}' \
  | sort -u | xargs -r -d '\n' dpkg-query -S 2>/dev/null | grep -v '^diversion' >"$tmp/owned" || true
# "resolved-path package" for every package that ships a file.
sed 's/^.*: //' "$tmp/owned" | xargs -r -d '\n' realpath -m \
  | paste -d '\t' - <(sed 's/: \/.*//; s/:[a-z0-9_-]*//g' "$tmp/owned") \
  | awk -F'\t' '{n = split($2, p, ", "); for (i = 1; i <= n; i++) print $1, p[i]}' \
  | sort -u >"$tmp/owners"

checked=0 bad=0
while read -r soname path; do
  checked=$((checked + 1))
  if [ "$path" = - ]; then
    echo "  $soname: not found on this system"; bad=$((bad + 1)); continue
  fi
  real=$(realpath -m "$path")
  pkgs=$(awk -v r="$real" '$1 == r {print $2}' "$tmp/owners")
  if [ -z "$pkgs" ]; then
    echo "  $soname ($path): no package ships it"; bad=$((bad + 1))
  elif grep -qxF -f <(echo "$pkgs") "$tmp/closure"; then
    echo "  $soname: ${pkgs//$'\n'/, }"
  else
    echo "  $soname: ${pkgs//$'\n'/, }, which Depends does not bring"; bad=$((bad + 1))
  fi
done <"$tmp/libs"

[ "$bad" = 0 ] || fail "$bad of $checked libraries are not brought by Depends"
echo "PASS: $checked libraries, each from Depends or its closure"
