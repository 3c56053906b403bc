#!/usr/bin/env bash
# Installs what is missing, builds Brindlewick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_TESTS=OFF
cmake --build build/release

app=build/release/src/app/brindlewick
if [ -x "$app" ]; then
  exec "$app" "$@"
fi
echo "Brindlewick's libraries are built; the main window is not part of this version yet."
