#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" --play
# Only the game: the tests and benchmarks are the test command's business.
"$root/scripts/build.sh" -DBUILD_TESTING=OFF -DKRELLWICK_BENCH=OFF -- --target krellwick
if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<MSG
No display found (DISPLAY is not set), so the game window cannot open.
Run it on a desktop session, or under a virtual display:
  xvfb-run -a -s "-screen 0 1920x1080x24" $root/build/krellwick
MSG
  exit 1
fi
exec "$root/build/krellwick" "$@"
