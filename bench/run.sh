#!/usr/bin/env bash
# Builds every benchmark in Release mode and runs them one after the other, writing the
# table of results to standard output (and to bench/results.md).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORANT_BENCH=ON >/dev/null
cmake --build "$root/build-bench" >&2
{
  echo "| benchmark | input | seconds | MB/s | peak MB |"
  echo "|---|---|---|---|---|"
  for src in "$root"/bench/bench_*.cpp; do
    name="$(basename "$src" .cpp)"
    "$root/build-bench/$name"
  done
} | tee "$root/bench/results.md"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')" | tee -a "$root/bench/results.md"
