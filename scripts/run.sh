#!/usr/bin/env bash
# Installs what is missing, builds Brindlewick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_TESTS=OFF
cmake --build build/release --target brindlewick -j2
exec build/release/src/app/brindlewick "$@"
