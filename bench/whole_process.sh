#!/bin/bash
# Whole-process speed of quilm-cli convert between the AnmolLipi scripture
# corpus and Unicode, as a user runs it: input from a file, output to a
# file, one process a conversion, the best of RUNS runs (7 unless given).
# Each line gives the best wall-clock time and the best processor time
# (user and system, which a busy machine disturbs less), and the rates over
# the corpus's size (the legacy text) and over the input's own size.
#
#   bench/whole_process.sh [QUILM_CLI] [CORPUS_FILE] [RUNS] [--peer]
#
# --peer also times the public gurmukhi-utils package on the same lines
# (bench/peer_gurmukhi_utils.sh), for the comparison in the same run.
set -euo pipefail

peer=0
args=()
for a in "$@"; do
  if [ "$a" = --peer ]; then peer=1; else args+=("$a"); fi
done
cli=${args[0]:-build/cli/quilm-cli}
corpus=${args[1]:-../shared/corpus/gurbani-anmollipi.txt}
runs=${args[2]:-7}
[ -x "$cli" ] || { echo "whole_process.sh: no program $cli (build it first)" >&2; exit 1; }
[ -r "$corpus" ] || { echo "whole_process.sh: cannot read $corpus" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" convert --from AnmolLipi --to unicode < "$corpus" > "$work/unicode.txt"
"$cli" convert --from AnmolLipi --to unicode --utf16 < "$corpus" > "$work/unicode16.txt"
corpus_bytes=$(stat -c %s "$corpus")

# best_of INPUT ARGS...: "wall_ms cpu_ms" of the fastest runs.
best_of() {
  local input=$1 best_wall=999999 best_cpu=999999 wall cpu
  shift
  for ((r = 0; r < runs; ++r)); do
    local TIMEFORMAT='%3R %3U %3S'
    read -r wall user sys < <({ time "$cli" convert "$@" < "$input" > "$work/out" 2>/dev/null; } 2>&1)
    wall=$(awk -v w="$wall" 'BEGIN { printf "%d", w * 1000 }')
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%d", (u + s) * 1000 }')
    if ((wall < best_wall)); then best_wall=$wall; fi
    if ((cpu < best_cpu)); then best_cpu=$cpu; fi
  done
  echo "$best_wall $best_cpu"
}

rate() { awk -v b="$1" -v ms="$2" 'BEGIN { if (ms < 1) ms = 1; printf "%.0f", b / 1e6 / (ms / 1000) }'; }

printf "%-34s %9s %9s %12s %12s %12s\n" "quilm-cli convert" "wall ms" "cpu ms" "corpus MB/s" "cpu MB/s" "input MB/s"
measure() {
  local label=$1 input=$2
  shift 2
  read -r wall cpu < <(best_of "$input" "$@")
  local input_bytes
  input_bytes=$(stat -c %s "$input")
  printf "%-34s %9d %9d %12s %12s %12s\n" "$label" "$wall" "$cpu" "$(rate "$corpus_bytes" "$wall")" \
    "$(rate "$corpus_bytes" "$cpu")" "$(rate "$input_bytes" "$wall")"
}
measure "AnmolLipi -> Unicode (UTF-8)" "$corpus" --from AnmolLipi --to unicode
measure "AnmolLipi -> Unicode (UTF-16)" "$corpus" --from AnmolLipi --to unicode --utf16
measure "Unicode (UTF-8) -> AnmolLipi" "$work/unicode.txt" --from unicode --to AnmolLipi
measure "Unicode (UTF-16) -> AnmolLipi" "$work/unicode16.txt" --from unicode --to AnmolLipi --utf16
measure "AnmolLipi -> Satluj" "$corpus" --from AnmolLipi --to Satluj
echo "(best of $runs runs; corpus $corpus_bytes bytes; $(nproc) processors, load $(cut -d' ' -f1-3 /proc/loadavg))"

if [ "$peer" = 1 ]; then
  "$(dirname "$0")/peer_gurmukhi_utils.sh" "$corpus"
fi
