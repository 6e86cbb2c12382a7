#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test: unit, drawing, end-to-end and a
# soak of ten minutes of game time, the Windows build under Wine, the web
# build's tests, then the sanitizer builds and a short fuzzing run. Drawing
# and end-to-end tests run under a virtual X display started here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" -DBUILD_TESTING=ON -DKRELLWICK_BENCH=ON

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
for n in ${E2E_DISPLAYS:-$(seq 90 120)}; do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
  # -noreset: otherwise Xvfb resets whenever its last client leaves, and a
  # test connecting in that moment is refused.
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  break
done
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cd "$root/build"
ctest --output-on-failure -j "$(nproc)" "$@"

# The Windows game: cross-built with its tests, packed, and tried under Wine.
# Left out when ctest was given arguments or with SKIP_WINDOWS=1.
if [ $# -eq 0 ] && [ "${SKIP_WINDOWS:-}" != 1 ]; then
  "$root/scripts/windows.sh" -DBUILD_TESTING=ON
  "$root/tests/windows/test_windows.sh" "$root/build-windows"
fi

# The web build: unit tests under node and the page in headless Chromium.
# Left out when ctest was given arguments or with SKIP_WEB=1.
if [ $# -eq 0 ] && [ "${SKIP_WEB:-}" != 1 ]; then
  "$root/tests/web/test_web.sh"
fi

# Then the test programs again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and with ThreadSanitizer. Left out when ctest
# was given arguments (one test, say) or with SKIP_SANITIZERS=1.
if [ $# -eq 0 ] && [ "${SKIP_SANITIZERS:-}" != 1 ]; then
  "$root/scripts/sanitize.sh"
  # A minute of fuzzing for each file reader.
  "$root/scripts/fuzz.sh" 60
fi
