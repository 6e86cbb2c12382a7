#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" --play
# Only the game: the tests and benchmarks are the test command's business.
"$root/scripts/build.sh" -DBUILD_TESTING=OFF -DKRELLWICK_BENCH=OFF -- --target krellwick
# Without a display it can open, the game says so itself, with a hint.
exec "$root/build/krellwick" "$@"
