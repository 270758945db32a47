#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (folder build-fuzz/) and
# runs each for SECONDS seconds (default 60) on a copy of its seed corpus.
# Inputs that break something are kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

[ -f build-fuzz/build.ninja ] || cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOROZOD_FUZZ=ON -DZOROZOD_GUI=OFF -DZOROZOD_BENCHMARKS=OFF -DBUILD_TESTING=OFF
cmake --build build-fuzz

mkdir -p build-fuzz/findings
status=0
for target in toolbox report rows settings; do
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$target/." "$work/"
  log=build-fuzz/fuzz-$target.log
  if ! "build-fuzz/fuzz/zorozod_fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" "$work" > "$log" 2>&1; then
    status=1
    echo "fuzz $target: FAILED (see $log and build-fuzz/findings/)"
  fi
  runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  echo "fuzz $target: $runs inputs executed in ${seconds}s, corpus $(ls "$work" | wc -l) inputs"
  rm -rf "$work"
done
exit $status
