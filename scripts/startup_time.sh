#!/usr/bin/env bash
# Start-up time of the real game as a player sees it: from launch until the
# window is mapped, and until it first shows a picture (any pixel not black;
# the Xvfb root is black, so an unpainted window reads black). Measured from
# outside by build/krellwick_first_frame, RUNS times (default 10).
#   scripts/startup_time.sh [RUNS] [BUILD_DIR (build)]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10}
build=$(realpath "${2:-$root/build}")
XVFB_ARGS=-br
source "$root/tests/e2e/lib.sh"

start_xvfb 1920x1080
results=$E2E_TMP/startup.txt
for i in $(seq "$runs"); do
  "$build/krellwick_first_frame" "$build/krellwick" 10 | tee -a "$results"
  sleep 0.5
done
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
echo "median over $runs runs: window mapped $(awk '{print $2}' "$results" | median) ms," \
  "first picture $(awk '{print $4}' "$results" | median) ms"
