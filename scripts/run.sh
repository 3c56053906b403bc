#!/usr/bin/env bash
# Installs what is missing, builds Brindlewick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_TESTS=OFF
cmake --build build/release --target brindlewick -j2

# The window needs a display; the exports do not, and can be asked for here too.
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<EOF
No display found, so Brindlewick's window cannot open. The rota can still be exported without one:
  bash scripts/run.sh --export-pdf rota.pdf [--roster NAME] [--from YYYY-MM-DD] [--until YYYY-MM-DD]
  bash scripts/run.sh --export-ics rota.ics [--roster NAME] [--person NAME] [--from ...] [--until ...]
  bash scripts/run.sh --help
EOF
  exit 1
fi
exec build/release/src/app/brindlewick "$@"
