#!/usr/bin/env bash
# Times Brindlewick's cold start to its first painted window against a bare QMainWindow program doing
# the same, both in Release on the offscreen screen, as whole processes with hyperfine; prints the
# ratio with the sample roster and with a 200-roster file (goal: at most 1.5).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRINDLEWICK_BENCHMARKS=ON -DBRINDLEWICK_TESTS=OFF
cmake --build build/bench --target brindlewick brindlewick_bare_window brindlewick_write_rosters -j2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen BRINDLEWICK_WHEN_READY=exit XDG_CONFIG_HOME="$work/config"
app=build/bench/src/app/brindlewick
bare=build/bench/bench/brindlewick_bare_window

# The sample roster: a first run writes it, the timed runs read it.
mkdir -p "$work/sample" "$work/many"
XDG_DATA_HOME="$work/sample" BRINDLEWICK_WHEN_READY=print timeout 60 "$app" | head -n 1 >/dev/null || true
XDG_DATA_HOME="$work/many" build/bench/bench/brindlewick_write_rosters 200

for case in sample many; do
  hyperfine --warmup 3 --runs 30 --style basic --export-csv "$work/$case.csv" \
    -n bare "$bare" -n "brindlewick ($case)" "XDG_DATA_HOME=$work/$case $app"
  awk -F, -v case="$case" 'NR == 2 { bare = $2 } NR == 3 { app = $2 }
    END { printf "start-up ratio, %s: %.2f (%.1f ms against %.1f ms)\n", case, app / bare, app * 1000, bare * 1000 }' \
    "$work/$case.csv"
done
