#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test: unit, drawing, end-to-end and a
# soak of ten minutes of game time, the Windows build under Wine, the web
# build's tests, then the sanitizer builds and a short fuzzing run. Drawing
# and end-to-end tests run under a virtual X display started here.
#
# Each stage prints a line as it starts and as it ends, with its time, and a
# summary closes the run. A failed stage does not stop the stages that do
# not need it; the command fails when any stage failed.
#   scripts/test.sh [ctest arguments]   (with arguments: the Linux tests only)
#   SKIP_WINDOWS=1 SKIP_WEB=1 SKIP_SANITIZERS=1 leave those stages out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/virtual_display.sh"

stages=("Set-up and the Linux build" "Linux tests: unit, drawing, end-to-end, soak"
        "Windows build and tests under Wine" "Web build and tests in headless Chromium"
        "Sanitizer builds and their tests" "Fuzzing the file readers")
results=()
started=$SECONDS

took() {
  local s=$1
  if [ "$s" -ge 60 ]; then echo "$((s / 60)) min $((s % 60)) s"; else echo "$s s"; fi
}

# stage N COMMAND...: runs stage N (1-based), prints its start and its end.
# errexit does not hold in a command whose status is tested, so the stages'
# functions chain their steps with &&.
stage() {
  local n=$1 name=${stages[$(($1 - 1))]} t0=$SECONDS status=0
  shift
  echo "[$n/${#stages[@]}] $name: started at $(date +%H:%M:%S)"
  ("$@") || status=$?
  local result=passed
  [ "$status" = 0 ] || result="FAILED (exit status $status)"
  echo "[$n/${#stages[@]}] $name ... $result in $(took $((SECONDS - t0)))"
  results[n]="$result, $(took $((SECONDS - t0)))"
  return "$status"
}

# left_out N WHY
left_out() {
  echo "[$1/${#stages[@]}] ${stages[$(($1 - 1))]} ... left out ($2)"
  results[$1]="left out ($2)"
}

summary() {
  local failed=0 passed=0 n
  echo
  echo "Summary of the test command:"
  for n in $(seq ${#stages[@]}); do
    printf '  [%d/%d] %-46s %s\n' "$n" "${#stages[@]}" "${stages[$((n - 1))]}" "${results[n]:-not reached}"
    case "${results[n]:-}" in passed*) passed=$((passed + 1)) ;; FAILED*) failed=$((failed + 1)) ;; esac
  done
  echo "Total time: $(took $((SECONDS - started))); $passed of ${#stages[@]} stages passed, $failed failed."
}

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT

build_linux() {
  "$root/scripts/setup.sh" &&
    "$root/scripts/build.sh" -DBUILD_TESTING=ON -DKRELLWICK_BENCH=ON
}

start_display() {
  start_virtual_display 1920x1080 || { echo "could not start Xvfb" >&2; return 1; }
  xvfb_pid=$VIRTUAL_DISPLAY_PID
}

linux_tests() { cd "$root/build" && ctest --output-on-failure -j "$(nproc)" "$@"; }

windows_tests() {
  "$root/scripts/windows.sh" -DBUILD_TESTING=ON &&
    "$root/tests/windows/test_windows.sh" "$root/build-windows"
}

sanitizer_tests() { "$root/scripts/sanitize.sh"; }
# A minute of fuzzing for each file reader.
fuzzing() { "$root/scripts/fuzz.sh" 60; }

failures=0
if ! stage 1 build_linux; then
  for n in 2 3 4 5 6; do results[n]="not run: the build failed"; done
  summary
  exit 1
fi
start_display || { echo "no display for the drawing tests" >&2; exit 1; }
stage 2 linux_tests "$@" || failures=$((failures + 1))

# The rest is left out when ctest was given arguments (one test, say).
if [ $# -gt 0 ]; then
  for n in 3 4 5 6; do left_out "$n" "ctest arguments given"; done
else
  # The Windows game: cross-built with its tests, packed, and tried under Wine.
  if [ "${SKIP_WINDOWS:-}" = 1 ]; then left_out 3 "SKIP_WINDOWS=1"
  else stage 3 windows_tests || failures=$((failures + 1)); fi
  # The web build: unit tests under node and the page in headless Chromium.
  if [ "${SKIP_WEB:-}" = 1 ]; then left_out 4 "SKIP_WEB=1"
  else stage 4 "$root/tests/web/test_web.sh" || failures=$((failures + 1)); fi
  # The test programs again, with AddressSanitizer and UndefinedBehavior-
  # Sanitizer, and with ThreadSanitizer; then the readers fuzzed.
  if [ "${SKIP_SANITIZERS:-}" = 1 ]; then
    left_out 5 "SKIP_SANITIZERS=1"
    left_out 6 "SKIP_SANITIZERS=1"
  else
    stage 5 sanitizer_tests || failures=$((failures + 1))
    stage 6 fuzzing || failures=$((failures + 1))
  fi
fi
summary
[ "$failures" = 0 ]
