#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the test programs with sanitizers and runs them:
#   build-asan/: AddressSanitizer + UndefinedBehaviorSanitizer over the whole
#                unit and drawing suite (the drawing tests need $DISPLAY) and
#                a ten-minute soak;
#   build-tsan/: ThreadSanitizer over the unit suite, whose world tests run
#                the frame with its background worker, and a soak of
#                SOAK_MINUTES (default 10) minutes of game time.
# Any finding fails the run. scripts/test.sh calls this under its Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
soak_minutes=${SOAK_MINUTES:-10}
jobs=$(nproc)

# -O1 keeps the builds and the instrumented runs quick; only test programs.
configure() {
  cmake -S "$root" -B "$1" -DKRELLWICK_BENCH=OFF -DKRELLWICK_SANITIZE="$2" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" >/dev/null
}

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
configure "$root/build-asan" address,undefined
cmake --build "$root/build-asan" -j "$jobs" --target krellwick_tests krellwick_gl_tests krellwick_soak
# Mesa unloads its software driver at exit, before the leak check, which then
# cannot name the library its leaks come from. Loaded up front, the driver
# stays, and the suppressions (leaks of the GL and X libraries only) can name it.
dri=$(ls /usr/lib/*/dri/swrast_dri.so | head -n1)
(
  cd "$root/build-asan"
  export LD_PRELOAD=$dri
  export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:verify_asan_link_order=0
  export LSAN_OPTIONS=suppressions=$root/scripts/lsan_suppressions.txt:print_suppressions=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  ctest -L 'unit|gl' --output-on-failure -j "$jobs"
  # Ten minutes of play; freed memory sits in the sanitizer's quarantine.
  ./krellwick_soak 10 --no-memory-check
)

echo "== ThreadSanitizer"
configure "$root/build-tsan" thread
cmake --build "$root/build-tsan" -j "$jobs" --target krellwick_tests krellwick_soak
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
(cd "$root/build-tsan" && ctest -L unit --output-on-failure -j "$jobs")
# Memory is the plain soak's business: the checker's own records grow.
"$root/build-tsan/krellwick_soak" "$soak_minutes" --no-memory-check
echo "sanitizers: no findings"
