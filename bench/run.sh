#!/usr/bin/env bash
# The benchmark report: builds every benchmark (bench/bench_*.cpp) in Release mode, runs
# them one after the other and writes the table of results, with the machine it was
# measured on, to standard output and to bench/results.md.
#
#   bench/run.sh                 every benchmark (some minutes; needs 4 GB of free disk)
#   bench/run.sh bench_locate    the named ones only (bench/results.md is left as it is)
#
# Each benchmark generates its input files in a scratch folder of its own and removes it
# at its end; all of them live in one folder under $TMPDIR (else /tmp) that is removed when
# the script ends, however it ends. The largest inputs at one time are about 2.5 GB (the
# harmonic decomposition's output files).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
"$root/scripts/deps.sh"

if [ "$#" -gt 0 ]; then
  names=("$@")
else
  names=()
  for src in "$root"/bench/bench_*.cpp; do names+=("$(basename "$src" .cpp)"); done
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORANT_BENCH=ON >/dev/null
cmake --build "$build" -j 2 --target "${names[@]}" >&2

scratch="$(mktemp -d "${TMPDIR:-/tmp}/velmorant-bench-run-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
free_kb="$(df -Pk "$scratch" | awk 'NR == 2 {print $4}')"
if [ "$free_kb" -lt $((4 * 1024 * 1024)) ]; then
  echo "bench/run.sh: the benchmarks need 4 GB of free disk in $scratch; $((free_kb / 1024)) MB are free" >&2
  exit 1
fi

load="$(cut -d' ' -f1 /proc/loadavg)"
table="$(mktemp "$scratch/table-XXXXXX")"
failed=()
{
  echo "| tool | input size | seconds | MB/s | peak MB |"
  echo "|---|---|---|---|---|"
} | tee "$table"
for name in "${names[@]}"; do
  if ! TMPDIR="$scratch" "$build/$name" | tee -a "$table"; then
    failed+=("$name")
    echo "| $name | failed (see the messages above) | | | |" | tee -a "$table"
  fi
done
machine="machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), "
machine+="$(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo) of memory; $(date -u +%Y-%m-%d); "
machine+="load average at the start: $load"
{ echo; echo "$machine"; } | tee -a "$table"

[ "$#" -gt 0 ] || cp "$table" "$root/bench/results.md"
if [ "${#failed[@]}" -gt 0 ]; then
  echo "bench/run.sh: failed: ${failed[*]}" >&2
  exit 1
fi
