#!/usr/bin/env bash
# Builds the core, zorozod and the core tests as Windows programs with
# mingw-w64 (folder build-win/) and runs the tests under Wine, in a Wine
# prefix of their own. The tests run twice: the second run must find in the
# registry what the first one left there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --windows
[ -f build-win/build.ninja ] || cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOROZOD_GUI=OFF -DZOROZOD_BENCHMARKS=OFF -DZOROZOD_WERROR=ON
cmake --build build-win

export WINEPREFIX
WINEPREFIX=$(mktemp -d)
export WINEDEBUG=-all
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
ctest --test-dir build-win --output-on-failure
again=$(/usr/lib/wine/wine64 build-win/tests/zorozod_core_tests.exe --gtest_filter='RegistryRuns.*' 2>&1)
echo "$again" | grep -q "registry runs before this one: 1" ||
  { echo "the registry did not keep the last run's value"; echo "$again"; exit 1; }
echo "Windows: the tests passed under Wine, and the registry kept its values from one run to the next"
