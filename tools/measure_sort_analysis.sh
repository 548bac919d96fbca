#!/bin/sh
# Whole-process measurements of quilm-cli against the Unix tools, side by
# side in one run, with CPU time, wall time and peak memory (/usr/bin/time -v):
#   1. quilm-cli sort and GNU sort (LC_ALL=pa_IN.UTF-8) over the first million
#      words of the prose corpus, one a line; and how often the two orders
#      agree on adjacent pairs of distinct words;
#   2. quilm-cli analyse --words --bigrams --trigrams over the whole corpus and
#      the word-count pipeline tr | sort | uniq -c | sort -rn in the same locale.
# Needs the pa_IN.UTF-8 locale (localedef -i pa_IN -f UTF-8 pa_IN.UTF-8).
#
#   tools/measure_sort_analysis.sh BUILD/cli/quilm-cli CORPUS/punjabi-prose.txt [WORKDIR]
set -eu
cli=$1
corpus=$2
work=${3:-$(mktemp -d)}
mkdir -p "$work"
measure() {  # label, command...: prints CPU seconds, wall time and peak kB
  label=$1
  shift
  /usr/bin/time -v "$@" 2>"$work/time" >/dev/null
  awk -v label="$label" -F': ' '
    /User time/ {u=$2} /System time/ {s=$2} /Elapsed/ {e=$2} /Maximum resident/ {m=$2}
    END {printf "%-28s cpu %6.2f s  wall %s  peak %d kB\n", label, u+s, e, m}' "$work/time"
}
grep -oE '[^[:space:][:punct:]]+' "$corpus" | head -n 1000000 >"$work/words.txt"
measure "quilm-cli sort" "$cli" sort "$work/words.txt"
measure "GNU sort (pa_IN.UTF-8)" env LC_ALL=pa_IN.UTF-8 sort "$work/words.txt"
"$cli" sort --unique "$work/words.txt" >"$work/ordered.txt"
python3 - "$work/ordered.txt" <<'PY'
import locale, sys
locale.setlocale(locale.LC_ALL, "pa_IN.UTF-8")
words = [w.rstrip("\n") for w in open(sys.argv[1], encoding="utf-8")]
pairs = [(a, b) for a, b in zip(words, words[1:]) if a != b]
agree = sum(locale.strcoll(a, b) < 0 for a, b in pairs)
print(f"adjacent distinct pairs: {len(pairs)}, in the locale's order too: {agree} ({100 * agree / len(pairs):.1f} %)")
PY
measure "quilm-cli analyse" "$cli" analyse --words --bigrams --trigrams "$corpus"
cat >"$work/pipeline.sh" <<'SH'
tr -s '[:space:][:punct:]' '\n' <"$1" | sort | uniq -c | sort -rn
SH
measure "tr|sort|uniq -c|sort -rn" env LC_ALL=pa_IN.UTF-8 sh "$work/pipeline.sh" "$corpus"
