#!/usr/bin/env python3
"""Measures the spelling checker on a set of misspellings.

Input: lines MISSPELLING<TAB>CORRECT<TAB>KIND (UTF-8), as
tools/spelldata/make_eval.py writes them. Every misspelling and every
distinct correct word is given to `quilm-cli spell suggest` (one pipe, one
word a line); the report gives, per kind and in total:
  detection  misspellings reported as unknown
  top-1      the correct word first among the suggestions
  top-5      the correct word among the first five
and the false alarms: correct words reported as unknown (the words of
--correct, one a line, or else the distinct correct words of EVAL.tsv).

--part A or B measures one half of the set: A the cases on odd lines (1, 3,
5 ...), B those on even lines. The ranking's weights were chosen on part A
of tests/spell/eval/misspellings.tsv; part B, and sets made with other seeds
(tools/spelldata/make_eval.py --seed), are held out.

usage: evaluate.py EVAL.tsv --cli PATH/quilm-cli --data READY_DATA_FOLDER
                   [--correct WORDS.txt] [--misses N] [--part A|B]
e.g.   tools/spell/evaluate.py tests/spell/eval/misspellings.tsv \
           --correct tests/spell/eval/correct.txt \
           --cli build/cli/quilm-cli --data build/ready-data
"""
import argparse
import collections
import subprocess
import sys


def suggest(cli, data, words):
    proc = subprocess.run([cli, "spell", "suggest", "--data", data], input="\n".join(words) + "\n",
                          capture_output=True, text=True, encoding="utf-8", check=True)
    lines = proc.stdout.split("\n")[: len(words)]
    if len(lines) != len(words):
        sys.exit("quilm-cli spell suggest wrote %d lines for %d words" % (len(lines), len(words)))
    return [line.split("\t") for line in lines]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("eval")
    ap.add_argument("--cli", required=True)
    ap.add_argument("--data", required=True)
    ap.add_argument("--correct")
    ap.add_argument("--misses", type=int, default=0, help="print that many misses per kind")
    ap.add_argument("--part", choices=("A", "B"), help="only the cases of odd (A) or even (B) lines")
    args = ap.parse_args()

    cases = []
    with open(args.eval, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) >= 3:
                cases.append(parts[:3])
    if args.part:
        cases = cases[0::2] if args.part == "A" else cases[1::2]
    if args.correct:
        with open(args.correct, encoding="utf-8") as f:
            correct = [w for w in (line.strip() for line in f) if w]
    else:
        correct = sorted({c for _, c, _ in cases})
    answers = suggest(args.cli, args.data, [m for m, _, _ in cases] + correct)
    misspelt, right = answers[: len(cases)], answers[len(cases):]

    stats = collections.defaultdict(collections.Counter)
    misses = collections.defaultdict(list)
    for (wrong, good, kind), answer in zip(cases, misspelt):
        for key in (kind, "all"):
            s = stats[key]
            s["n"] += 1
            if len(answer) > 1:
                s["detected"] += 1
                s["top1"] += answer[1:2] == [good]
                s["top5"] += good in answer[1:6]
        if good not in answer[1:6] and len(misses[kind]) < args.misses:
            misses[kind].append("%s -> %s : %s" % (wrong, good, " ".join(answer[1:6])))
    false_alarms = sum(1 for a in right if len(a) > 1)

    print("%-14s %6s %10s %8s %8s" % ("kind", "n", "detection", "top-1", "top-5"))
    for kind in sorted(stats, key=lambda k: (k == "all", k)):
        s = stats[kind]
        pct = lambda x: "%.1f%%" % (100.0 * s[x] / s["n"])
        print("%-14s %6d %10s %8s %8s" % (kind, s["n"], pct("detected"), pct("top1"), pct("top5")))
    print("false alarms: %d of %d correct words (%.2f%%)" % (false_alarms, len(correct), 100.0 * false_alarms / max(1, len(correct))))
    for kind, lines in misses.items():
        print("\n# missed %s" % kind)
        for l in lines:
            print(l)


if __name__ == "__main__":
    main()
