#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the OBJ and kernel fuzz targets with clang's libFuzzer (address and
# undefined-behaviour checks on) into build-fuzz/ and runs each for a bounded
# time: scripts/fuzz.sh [seconds per target, default 60] [obj|kernel ...].
# Exits non-zero when a target crashes; the input that did it is left in
# build-fuzz/crash-<target>-*.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(obj kernel)
out=$root/build-fuzz
mkdir -p "$out"

# The core library built with clang, instrumented for libFuzzer, with
# address and undefined-behaviour checks; only the fuzz targets are built.
CC=clang CXX=clang++ cmake -S "$root" -B "$out" -DKRELLWICK_FUZZ=ON \
  -DKRELLWICK_SANITIZE=address,undefined -DBUILD_TESTING=OFF -DKRELLWICK_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -fno-sanitize-recover=all" >/dev/null
for target in "${targets[@]}"; do
  echo "Building fuzz_$target"
  cmake --build "$out" -j "$(nproc)" --target "fuzz_$target"
done

for target in "${targets[@]}"; do
  corpus=$out/corpus-$target
  mkdir -p "$corpus"
  echo "Fuzzing $target for ${seconds}s (corpus $corpus + fuzz/corpus/$target)"
  # stdout is closed: the readers' warnings would flood the log.
  "$out/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -close_fd_mask=1 -print_final_stats=1 -artifact_prefix="$out/crash-$target-" \
    "$corpus" "$root/fuzz/corpus/$target"
  echo "fuzz_$target: no crash in ${seconds}s; corpus now $(ls "$corpus" | wc -l) inputs"
done
