#!/usr/bin/env bash
# Builds an optimised tree and runs every benchmark in bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DMONITOR_BUILD_BENCH=ON >/dev/null
cmake --build build/release -j"$(nproc)"
for b in build/release/bench/*/bench_*; do
  [[ -f "$b" && -x "$b" ]] || continue
  echo "== $b"
  QT_QPA_PLATFORM=offscreen "$b" "$@"
done
