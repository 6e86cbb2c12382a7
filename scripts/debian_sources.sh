# SPDX-License-Identifier: MIT
# Fetching upstream .orig tarballs from Debian's archive, checked against the
# SHA-256 of the signed Sources index. Sourced by the scripts that build the
# game's libraries for other platforms:
#   . scripts/debian_sources.sh
#   sources_init ROOT SUITE LOG     # ROOT/apt: private apt state, ROOT/tarballs: downloads
#   fetch NAME VERSION              # sets $tarball to the verified tarball of that version
#   fetch_pinned                    # fetch for every NAME VERSION pair in $pinned, into tarball_of
#   unpack NAME                     # unpacks tarball_of[NAME] into $work/NAME, sets $src
#   licence NAME FILE...            # copies the files into $prefix/share/licenses/NAME
#   claim_prefix ROOT TEXT...       # sets $prefix (ROOT/r$recipe-<hash of TEXT and $pinned>);
#                                   # prints it and exits when built, else locks ROOT for the build
#   start_build                     # an empty $prefix, $log, $start and a $work folder
# The caller defines say and die (and work, prefix, start for the last three);
# downloads and apt's own output go to LOG.

sources_init() {
  local root=$1
  sources_suite=$2
  sources_log=$3
  sources_tarballs=$root/tarballs
  sources_apt=$root/apt
  mkdir -p "$sources_tarballs" "$sources_apt/lists/partial" "$sources_apt/cache/archives/partial"
  # The mirror the machine already uses; its first Debian entry.
  local mirror
  mirror=$(sed -n -e 's/^URIs:[[:space:]]*\([^[:space:]]*\/debian\)\/\?\([[:space:]].*\)\?$/\1/p' \
                  -e 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\/debian\)\/\?[[:space:]].*/\2/p' \
             /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list 2>/dev/null \
           | head -n1 || true)
  [ -n "$mirror" ] || die "no Debian mirror found in /etc/apt/sources.list*"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $sources_suite main" \
    >"$sources_apt/sources.list"
  sources_apt_opts=(-o Dir::Etc::SourceList="$sources_apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
                    -o Dir::State::Lists="$sources_apt/lists" -o Dir::Cache="$sources_apt/cache"
                    -o APT::Get::Only-Source=true)
  say "reading the $sources_suite source index from $mirror"
  apt-get "${sources_apt_opts[@]}" update -q >>"$sources_log" 2>&1 \
    || die "apt-get update failed for $mirror $sources_suite; see $sources_log"
}

fetch() {
  local name=$1 version=$2 line uri file sum
  line=$(cd "$sources_apt" && apt-get "${sources_apt_opts[@]}" source --print-uris "$name" 2>/dev/null |
         grep "\.orig\.tar\." | head -n1) \
    || die "$name: no .orig tarball in the $sources_suite source index"
  read -r uri file _ sum <<<"$line"
  uri=${uri//\'/}; sum=${sum#SHA256:}
  [[ "$sum" =~ ^[0-9a-f]{64}$ ]] || die "$name: the index gives no SHA-256 for $file"
  [[ "$file" == "${name}_${version}.orig.tar."* ]] || die "$name: the index offers $file, expected version $version"
  tarball=$sources_tarballs/$file
  if ! [ -f "$tarball" ] || ! echo "$sum  $tarball" | sha256sum -c --quiet - >/dev/null 2>&1; then
    say "downloading $file"
    rm -f "$tarball"
    /usr/lib/apt/apt-helper download-file "$uri" "$tarball.part" "SHA256:$sum" >>"$sources_log" 2>&1 \
      || die "$name: could not download $file"
    mv "$tarball.part" "$tarball"
  fi
  echo "$sum  $tarball" | sha256sum -c --quiet - >&2 || die "$name: $file does not match the index's SHA-256"
}

# Every tarball first, so that a missing file or a new version stops the build early.
declare -A tarball_of
fetch_pinned() {
  local i
  for ((i = 0; i < ${#pinned[@]}; i += 2)); do
    fetch "${pinned[i]}" "${pinned[i+1]}"
    tarball_of[${pinned[i]}]=$tarball
  done
}

unpack() {
  say "$1 (at $((SECONDS - start)) s)"
  src=$work/$1
  mkdir "$src" && tar -xf "${tarball_of[$1]}" -C "$src" --strip-components=1
}

licence() {
  mkdir -p "$prefix/share/licenses/$1" && cp "${@:2}" "$prefix/share/licenses/$1/"
}

claim_prefix() {
  local root=$1 key
  key=$(printf '%s\n' "$recipe" "${@:2}" "${pinned[@]}" | sha256sum | cut -c1-10)
  prefix=$root/r$recipe-$key
  if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi
  mkdir -p "$root"
  exec 9>"$root/lock"
  flock 9   # another call may be building the same prefix
  if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi
}

start_build() {
  log=$prefix.log
  start=$SECONDS
  rm -rf "$prefix" && mkdir -p "$prefix"
  : >"$log"
  say "building into $prefix (log: $log)"
  work=$(mktemp -d "${prefix%/*}/work.XXXXXX")
  trap 'rm -rf "$work"' EXIT
}
