#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-fuzz) and runs each for a while.
# usage: tools/fuzz.sh [SECONDS] [TARGET...]
#   SECONDS   how long each target runs (default 600)
#   TARGET    only these targets (default: all of fuzz/)
# Seeds: fuzz/seeds/TARGET/ and lines of the shared Gurmukhi text corpus
# (QUILM_CORPUS, default ../shared/corpus beside the repository). What a run
# learns stays in build-fuzz/corpus/TARGET/. A crashing input is written to
# build-fuzz/crashes/ and listed at the end; the exit status is then 1. Copy
# each into fuzz/regressions/TARGET/ once fixed: the normal tests replay them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-600}
shift || true
corpus_text=${QUILM_CORPUS:-"$root/../shared/corpus"}

"$root/tools/install-deps.sh"
"$root/tools/install-deps.sh" --fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

# The generators that run during the build are instrumented too; their
# one-shot allocations are no faults.
export ASAN_OPTIONS=detect_leaks=0
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DQUILM_FUZZ=ON \
  -DQUILM_BUILD_GUI=OFF -DQUILM_BUILD_TESTS=OFF -DQUILM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
unset ASAN_OPTIONS

# A few hundred lines of real text, one file each, as extra seeds: the
# scripture's legacy-font bytes and the prose's UTF-8 (as UTF-16 for the
# targets that read UTF-16).
corpus_seeds() {
  local target=$1 out=$2 n=0 line
  [ -d "$corpus_text" ] || return 0
  case $target in
    unicode_to_gur_fuzz)
      while IFS= read -r line && [ $n -lt 200 ]; do
        printf '%s' "$line" | iconv -c -f UTF-8 -t UTF-16LE >"$out/prose$n" || true; n=$((n + 1))
      done < <(awk 'NR % 300 == 1' "$corpus_text/punjabi-prose.txt" | cut -c1-400)
      ;;
    conversion_fuzz)
      # AnmolLipi (2) into the pivot encoding and other fonts, tidied
      while IFS= read -r line && [ $n -lt 200 ]; do
        { printf '\x02'; printf "\\x$(printf '%02x' $((n % 51)))"; printf '\x01%s' "$line"; } >"$out/gurbani$n"
        n=$((n + 1))
      done < <(awk 'NR % 700 == 1' "$corpus_text/gurbani-anmollipi.txt")
      ;;
    *)
      while IFS= read -r line && [ $n -lt 200 ]; do
        printf '%s' "$line" >"$out/gurbani$n"; n=$((n + 1))
      done < <(awk 'NR % 700 == 1' "$corpus_text/gurbani-anmollipi.txt")
      ;;
  esac
}

mkdir -p "$build/crashes"
failed=()
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  seeds="$build/seeds/$target"
  rm -rf "$seeds"
  mkdir -p "$work" "$seeds"
  [ -d "$root/fuzz/seeds/$target" ] && cp "$root/fuzz/seeds/$target"/* "$seeds/"
  [ -d "$root/fuzz/regressions/$target" ] && cp "$root/fuzz/regressions/$target"/* "$seeds/"
  corpus_seeds "$target" "$seeds"
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" "$work" "$seeds" \
      >"$build/$target.log" 2>&1; then
    failed+=("$target")
    grep -E "^==[0-9]+==ERROR|runtime error|SUMMARY|Test unit written" "$build/$target.log" | head -5 || true
  fi
  grep -E "stat::number_of_executed_units|cov:" "$build/$target.log" | tail -2 || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Crashes in: ${failed[*]} (inputs in build-fuzz/crashes/, logs in build-fuzz/TARGET.log)"
  exit 1
fi
echo "No crashes in ${#targets[@]} targets."
