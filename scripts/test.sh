#!/usr/bin/env bash
# Sets everything up and runs the whole test suite:
#  1. every suite under AddressSanitizer + UndefinedBehaviorSanitizer (benchmarks are built too);
#  2. the threaded suites (label "threaded") again under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc)
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DMONITOR_SANITIZERS=address,undefined >/dev/null
cmake --build build/asan -j"$jobs"
ctest --test-dir build/asan --output-on-failure -j"$jobs"

cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DMONITOR_SANITIZERS=thread -DMONITOR_BUILD_BENCH=OFF >/dev/null
cmake --build build/tsan -j"$jobs" --target threaded_tests
ctest --test-dir build/tsan -L threaded --output-on-failure -j"$jobs"
