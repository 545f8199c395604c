#!/usr/bin/env bash
# Installs what is missing, builds the game with its content and runs every test:
#   1. the whole suite (unit, GL under Xvfb, audio on OpenAL Soft's null device, content checks);
#   2. the unit tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. every fuzz target for a short run (scripts/fuzz.sh).
# Usage: scripts/test.sh [--quick]   (--quick runs stage 1 only)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
quick=0
[ "${1:-}" = "--quick" ] && quick=1

bash scripts/install-deps.sh
jobs=$(nproc)

echo "== Stage 1: build and full test suite =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && xvfb-run -a -s "-screen 0 1024x768x24" \
   ctest --output-on-failure -j"$jobs" --timeout 1200)

[ "$quick" = 1 ] && exit 0

echo "== Stage 2: unit tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBRELLOCH_SANITIZE=ON \
  -DBRELLOCH_CONTENT=OFF -DBRELLOCH_BENCH=OFF
cmake --build build-asan -j"$jobs" --target brelloch_unit_tests
# Leaks are checked; only the third-party libraries' own are suppressed (tests/sanitizers/lsan.supp).
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   LSAN_OPTIONS=suppressions="$root/tests/sanitizers/lsan.supp":print_suppressions=0 \
   ctest --output-on-failure -j"$jobs" -L unit --timeout 1200)

echo "== Stage 3: fuzz targets of the file readers, 10 s each =="
bash scripts/fuzz.sh 10
