#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-fuzz/) and runs each one, seeded with small valid files and
# with the generated content (build/base, if built) and guided by its format's dictionary.
#   scripts/fuzz.sh                               every target for 20 s (scripts/test.sh gives each 10 s)
#   scripts/fuzz.sh 600 fuzz_bmp                  one target for 10 minutes
#   scripts/fuzz.sh --executions 10000000         the long run: ten million inputs per target
#   scripts/fuzz.sh --executions 10000000 fuzz_ogg
# BRELLOCH_FUZZ_CONTENT=DIR takes the content seeds from another tree.
# Fails on any crash, sanitizer report, leak, hang (an input taking over 10 s) or running out of
# memory; the input is saved in build-fuzz/fuzz/findings/<target>/. Turn it into a regression test
# beside the reader's other tests. The grown corpora stay in build-fuzz/fuzz/corpus/. Each target's
# executions, executions per second and peak memory are printed at its end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
limit=(-max_total_time=20)
if [ "${1:-}" = "--executions" ]; then
  limit=(-runs="$2")
  shift 2
elif [ $# -gt 0 ]; then
  limit=(-max_total_time="$1")
  shift
fi
build=build-fuzz
jobs=$(nproc)
max_len=65536
# The longest input a target takes: the game's own config files are a few hundred bytes, and a
# longer text only repeats lines the parser has seen; a replay's header and first frames (all that
# is played) fit in 16 KiB. Longer inputs only slow the runs.
target_max_len() {
  case $1 in
    fuzz_options | fuzz_bindings | fuzz_settings | fuzz_career | fuzz_animation_table) echo 4096 ;;
    fuzz_replay | fuzz_ogg) echo 16384 ;;
    *) echo "$max_len" ;;
  esac
}
content=${BRELLOCH_FUZZ_CONTENT:-$root/build/base}

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELLOCH_FUZZ=ON -DBRELLOCH_CONTENT=OFF -DBRELLOCH_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target fuzz_targets

out="$build/fuzz"
rm -rf "$out/seeds"
"$out/fuzz_seeds" "$out/seeds"

# Every generated file of a target's kind, cut to the longest input the runs take.
seed_from_content() {
  local target=$1 file name
  shift
  mkdir -p "$out/seeds/$target"
  while IFS= read -r -d '' file; do
    name=${file#"$content"/}
    head -c "$max_len" "$file" >"$out/seeds/$target/${name//\//_}"
  done < <(find "$content" -type f \( "$@" \) -print0)
}
if [ -d "$content" ]; then
  seed_from_content fuzz_bmp -iname '*.bmp' -size -64k
  seed_from_content fuzz_tga -iname '*.tga' -size -64k
  seed_from_content fuzz_bhm -iname '*.bhm'
  seed_from_content fuzz_animation_table -iname '*animation.cfg'
  seed_from_content fuzz_ms3d -iname '*.ms3d'
  seed_from_content fuzz_shader_source -iname '*.glsl'
  seed_from_content fuzz_settings -name 'menu.inf'
  seed_from_content fuzz_career -name 'fight.inf'
  seed_from_content fuzz_ogg -iname '*.ogg'
  seed_from_content fuzz_wav -iname '*.wav'
else
  echo "fuzz: no content in $content (build the game first for its files as seeds)" >&2
fi

if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets <"$out/targets.txt"
fi

failed=()
for target in "${targets[@]}"; do
  mkdir -p "$out/corpus/$target" "$out/findings/$target" "$out/seeds/$target"
  dict=()
  [ -f "tests/fuzz/dictionaries/$target.dict" ] && dict=(-dict="tests/fuzz/dictionaries/$target.dict")
  echo "== $target: ${limit[*]}"
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$out/$target" "${limit[@]}" "${dict[@]}" -timeout=10 -rss_limit_mb=2048 -max_len="$(target_max_len "$target")" \
      -print_final_stats=1 -artifact_prefix="$out/findings/$target/" \
      "$out/corpus/$target" "$out/seeds/$target" 2>"$out/$target.log"; then
    tail -n 40 "$out/$target.log"
    failed+=("$target")
  else
    grep -E "stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$out/$target.log" | tr -s ' \n' ' '
    echo
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $out/findings/)" >&2
  exit 1
fi
echo "fuzz: no findings"
