#!/usr/bin/env bash
# Installs what is missing, builds Brindlewick with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh
cmake -S . -B build/tests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRINDLEWICK_TESTS=ON
cmake --build build/tests
ctest --test-dir build/tests --output-on-failure -j "$(nproc)"
