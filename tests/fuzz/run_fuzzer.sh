#!/usr/bin/env bash
# Builds the input fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it from the example inputs.
#   tests/fuzz/run_fuzzer.sh [seconds]      default 600
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-600}
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DDROVI_FUZZ=ON -DDROVI_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target input_fuzzer -j2
corpus="$root/fuzz-out/corpus"
mkdir -p "$corpus" "$root/fuzz-out/crashes"
cp "$root"/examples/*.inp "$corpus"/
"$build/input_fuzzer" -max_total_time="$seconds" -max_len=16384 -timeout=5 \
  -artifact_prefix="$root/fuzz-out/crashes/" "$corpus"
