#!/usr/bin/env bash
# Builds the benchmarks in Release, runs every program in bench/ and prints one table of each
# benchmark's median beside its reference's median from the same run, and their ratio.
# The figures are only as quiet as the machine: run it when nothing else is building.
#   BENCH_BUILD_DIR  build folder (default build-bench)
#   BENCH_REPS       repetitions per benchmark that does not set its own (default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
bench_dir=${BENCH_BUILD_DIR:-build-bench}
flags=(-DCMAKE_BUILD_TYPE=Release -DTALMIRO_BUILD_BENCH=ON -DTALMIRO_BUILD_TESTS=OFF)

BUILD_DIR=$bench_dir scripts/setup.sh "${flags[@]}"
cmake -S . -B "$bench_dir" "${flags[@]}" >/dev/null
cmake --build "$bench_dir" -j2

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
out=$(mktemp -d /tmp/talmiro-bench-XXXXXX)
trap 'rm -rf "$out"' EXIT
for program in "$bench_dir"/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name=$(basename "$program")
  echo "running $name" >&2
  "$program" --benchmark_out="$out/$name.json" --benchmark_out_format=json \
    --benchmark_repetitions="${BENCH_REPS:-9}" --benchmark_report_aggregates_only=true \
    >"$out/$name.log" 2>&1 || { cat "$out/$name.log" >&2; exit 1; }
done

echo
echo "Measured $(date +%Y-%m-%d) on $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo |
  cut -d: -f2- | sed 's/^ *//'); load average $load_before before the run,
  $(cut -d' ' -f1-3 /proc/loadavg) after it"
python3 scripts/bench_table.py "$out"/*.json
