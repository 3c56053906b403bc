#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them; ends with the ratios.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_BENCHMARKS=ON \
  -DBRINDLEWICK_TESTS=OFF -DBRINDLEWICK_GUI=OFF
cmake --build build/bench --target brindlewick_bench -j2
build/bench/bench/brindlewick_bench "$@"
