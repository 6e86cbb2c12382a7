#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time of the real game as a player sees it: from launch until the
# window is mapped, and until it first shows a picture (any pixel not black;
# the Xvfb root is black, so an unpainted window reads black). Measured from
# outside by build/krellwick_first_frame, RUNS times (default 10).
#   scripts/startup_time.sh [RUNS] [BUILD_DIR (build)] [OTHER_DIR...]
# With further directories (each holding a krellwick with its models/ and
# textures/) the games take turns, run by run, so a change is compared
# under the same load: a ratio from one run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10}
build=$(realpath "${2:-$root/build}")
dirs=("$build")
for d in "${@:3}"; do dirs+=("$(realpath "$d")"); done
XVFB_ARGS=-br
source "$root/tests/e2e/lib.sh"

start_xvfb 1920x1080
for i in $(seq "$runs"); do
  for n in "${!dirs[@]}"; do
    "$build/krellwick_first_frame" "${dirs[n]}/krellwick" 10 | tee -a "$E2E_TMP/startup$n.txt"
    sleep 0.5
  done
done
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
for n in "${!dirs[@]}"; do
  results=$E2E_TMP/startup$n.txt
  echo "${dirs[n]}: median over $runs runs: window mapped $(awk '{print $2}' "$results" | median) ms," \
    "first picture $(awk '{print $4}' "$results" | median) ms"
done
