#!/usr/bin/env bash
# Checks that every C++ source of the tree follows .clang-format; names the files that do not.
# With --fix the files are formatted in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
  'fuzz/*.cpp' 'fuzz/*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi

unformatted=()
for file in "${files[@]}"; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "These files do not follow .clang-format (bash scripts/check-format.sh --fix formats them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "Formatting: all ${#files[@]} source files follow .clang-format."
