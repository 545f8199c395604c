#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-fuzz/) and runs each one, seeded with valid files.
#   scripts/fuzz.sh               every target for 20 s (stage 3 of scripts/test.sh)
#   scripts/fuzz.sh 1800          the longer run: every target for 30 minutes
#   scripts/fuzz.sh 600 fuzz_bmp  one target for 10 minutes
# Fails on any crash, sanitizer report, leak, hang (an input taking over 10 s) or running out of
# memory; the input is saved in build-fuzz/fuzz/findings/<target>/. Turn it into a regression test
# beside the reader's other tests. The grown corpora stay in build-fuzz/fuzz/corpus/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-20}
shift || true
build=build-fuzz
jobs=$(nproc)

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELLOCH_FUZZ=ON -DBRELLOCH_CONTENT=OFF -DBRELLOCH_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target fuzz_targets

out="$build/fuzz"
rm -rf "$out/seeds"
"$out/fuzz_seeds" "$out/seeds"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=(fuzz_bmp fuzz_tga fuzz_bhm fuzz_animation_table fuzz_ms3d fuzz_shader_source fuzz_settings fuzz_bindings fuzz_career fuzz_net_message)
fi

failed=()
for target in "${targets[@]}"; do
  mkdir -p "$out/corpus/$target" "$out/findings/$target"
  echo "== $target: ${seconds} s"
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$out/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$out/findings/$target/" \
      "$out/corpus/$target" "$out/seeds/$target" 2>"$out/$target.log"; then
    tail -n 40 "$out/$target.log"
    failed+=("$target")
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$out/$target.log" | tr '\n' ' '
    echo
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $out/findings/)" >&2
  exit 1
fi
echo "fuzz: no findings"
