#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them; each ends with its ratios.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_BENCHMARKS=ON -DBRINDLEWICK_TESTS=OFF \
  -DBRINDLEWICK_GUI=ON
cmake --build build/bench --target brindlewick_bench brindlewick_print_bench brindlewick_rota_bench -j2
build/bench/bench/brindlewick_bench "$@"
build/bench/bench/brindlewick_print_bench "$@"
build/bench/bench/brindlewick_rota_bench "$@"
