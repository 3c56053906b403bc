#!/usr/bin/env bash
# Builds the roster file fuzzer (clang's libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs it for the given number of seconds (default 60). Inputs that fail land in build/fuzz/run/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

# The fuzzer needs clang and its runtime libraries on top of the usual build tools.
bash scripts/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz -j2

run=build/fuzz/run
mkdir -p "$run/corpus" "$run/crashes"
cd "$run"
# New inputs go to corpus/; the seeds in the repository are only read. One job: the machine is shared.
status=0
../roster_file_fuzzer -jobs=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -dict=../../../fuzz/rosters.dict -artifact_prefix=crashes/ corpus ../../../fuzz/corpus || status=$?
tail -n 30 fuzz-0.log
ls crashes
exit "$status"
