#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A measurement, not a test: runs the end-to-end tests ROUNDS times in a row
# beside a busy neighbour (one spinning shell per core), and counts each
# test's failures. In each round the Linux ones run through ctest two at a
# time, and beside them the Windows ones under Wine and the browser ones:
# more at once than the test command ever runs. A failed test's output is
# kept under build/stress/.
#   scripts/stress_tests.sh [ROUNDS]            (default 5)
#   STRESS_PARTS="linux windows web"            which to run (default all three)
#   STRESS_LOAD=0                               no neighbour
# Builds what is missing first (the Windows and web builds as the test
# command does), so it can start on a fresh clone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/virtual_display.sh"
rounds=${1:-5}
parts=${STRESS_PARTS:-linux windows web}
load=${STRESS_LOAD:-$(nproc)}
out=$root/build/stress
has() { [[ " $parts " = *" $1 "* ]]; }

"$root/scripts/setup.sh"
"$root/scripts/build.sh" -DBUILD_TESTING=ON >/dev/null
has windows && "$root/scripts/windows.sh" -DBUILD_TESTING=ON >/dev/null
has web && "$root/scripts/web.sh" --tests >/dev/null
rm -rf "$out" && mkdir -p "$out"

spinners=()
xvfb_pid=
stop() {
  [ ${#spinners[@]} -gt 0 ] && kill "${spinners[@]}" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  true
}
trap stop EXIT
for _ in $(seq "$load"); do
  (while :; do :; done) &
  spinners+=($!)
done

# The ctest drawing tests' display, as in the test command.
start_virtual_display 1920x1080
xvfb_pid=$VIRTUAL_DISPLAY_PID

declare -A failures runs
# note NAME STATUS LOG: counts a run of NAME and keeps LOG when it failed.
note() {
  runs[$1]=$((${runs[$1]:-0} + 1))
  if [ "$2" != 0 ]; then
    failures[$1]=$((${failures[$1]:-0} + 1))
    cp "$3" "$out/$1.round$round.log"
    echo "  FAILED: $1 (log kept in $out/$1.round$round.log)"
  fi
}

# report ROUNDS: each test's failures so far.
report() {
  echo "$1 rounds in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s," \
    "beside $load spinning shells on $(nproc) cores:"
  total=0
  for name in $(printf '%s\n' "${!runs[@]}" | sort); do
    printf '  %-28s %d failed of %d\n' "$name" "${failures[$name]:-0}" "${runs[$name]}"
    total=$((total + ${failures[$name]:-0}))
  done
  echo "Failures in all: $total"
}

start=$SECONDS
for round in $(seq "$rounds"); do
  echo "Round $round of $rounds ($(date +%H:%M:%S), load $(cut -d' ' -f1 /proc/loadavg))"
  pids=()
  if has linux; then
    (cd "$root/build" && ctest -L e2e -j 2 --output-on-failure >"$out/ctest.log" 2>&1) &
    pids+=("$!:linux")
  fi
  if has windows; then
    ("$root/tests/windows/test_windows.sh" "$root/build-windows" >"$out/windows.log" 2>&1) &
    pids+=("$!:windows")
  fi
  if has web; then
    (/usr/bin/python3 "$root/tests/web/test_browser.py" "$root/krellwick-web" >"$out/web.log" 2>&1) &
    pids+=("$!:web")
  fi
  for entry in "${pids[@]}"; do
    status=0
    wait "${entry%%:*}" || status=$?
    if [ "${entry#*:}" = linux ]; then
      # One count per test, from ctest's own lines.
      while read -r name result; do
        note "$name" "$([ "$result" = Passed ] && echo 0 || echo 1)" "$out/ctest.log"
      done < <(sed -n 's/.*Test *#[0-9]*: \(e2e_[a-z_]*\) \.* *\**\([A-Za-z]*\).*/\1 \2/p' "$out/ctest.log")
    else
      note "${entry#*:}" "$status" "$out/${entry#*:}.log"
    fi
  done
  # So far, for a run cut short.
  report "$round" >"$out/so-far.txt"
done

echo
report "$rounds"
