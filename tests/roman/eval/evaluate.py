#!/usr/bin/env python3
"""Scores quilm-cli roman on the everyday Roman typing of words.txt,
heldout.txt (words kept apart from the tuning of the dictionary's
spelling variants) and phrases.txt: top-1 and top-3 word accuracy (words.txt through --words,
split into words the Roman dictionary holds and words it does not, and by
category), the rules alone for comparison, and the word accuracy of the
sentences of phrases.txt with and without the context of the previous
words and the trigram queue (the two words after each word).

    tests/roman/eval/evaluate.py BUILD/cli/quilm-cli BUILD/ready-data [M17N_ROMAN]

With M17N_ROMAN (bench/m17n/m17n_roman, built by bench/m17n_compare.sh) the
words are also typed into the Debian m17n input methods for Punjabi that take
Roman letters, for their top-1 beside ours.
"""
import os
import subprocess
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))


def norm(s):
    return unicodedata.normalize("NFC", s.strip())


def read_words(name):
    category, pairs = "", []
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            if line.startswith("@"):
                category = line[1:]
                continue
            gold, romans = line.split("\t")
            golds = {norm(g) for g in gold.split("|")}
            pairs += [(roman, golds, category) for roman in romans.split()]
    return pairs


def read_phrases():
    with open(os.path.join(HERE, "phrases.txt"), encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if line.strip() and not line.startswith("#")]
    return [(roman, [{norm(g) for g in w.split("|")} for w in gold.split()]) for roman, gold in rows]


def run(cli, args, lines):
    out = subprocess.run([cli, "roman"] + args, input="\n".join(lines) + "\n", capture_output=True,
                         text=True, check=True).stdout
    return out.split("\n")[:len(lines)]


def dictionary_entries():
    """Roman spelling to the Gurmukhi words the Roman dictionary's source gives it."""
    source = os.path.join(HERE, "..", "..", "..", "data", "romangur", "roman.txt")
    entries = {}
    with open(source, encoding="utf-8") as f:
        for line in f:
            roman, words = line.rstrip("\n").split("\t")
            entries[roman] = {norm(w) for w in words.split()}
    return entries


def report(label, rows):
    if not rows:
        return
    n = len(rows)
    top1 = sum(1 for cands, golds in rows if cands[:1] and cands[0] in golds)
    top3 = sum(1 for cands, golds in rows if any(c in golds for c in cands[:3]))
    anywhere = sum(1 for cands, golds in rows if any(c in golds for c in cands))
    print(f"{label:38s} {n:4d} words  top-1 {100 * top1 / n:5.1f} %  top-3 {100 * top3 / n:5.1f} %"
          f"  among candidates {100 * anywhere / n:5.1f} %")


def run_m17n(program, method, lines):
    out = subprocess.run([program] + method.split("-"), input="\n".join(lines) + "\n", capture_output=True,
                         text=True, check=True).stdout
    return out.split("\n")[:len(lines)]


def report_m17n(program, pairs, heldout):
    for method in ("pa-phonetic", "pa-itrans"):
        for label, rows in (("all words", pairs), ("held out", heldout)):
            typed = run_m17n(program, method, [p[0] for p in rows])
            report(f"m17n {method}, {label}", [([norm(t)], g) for t, (_, g, _) in zip(typed, rows)])
            # ITRANS ends a consonant with a virama unless an a is typed: give it the benefit.
            if method == "pa-itrans":
                report(f"m17n {method} less final virama, {label}",
                       [([norm(t).removesuffix("\u0a4d")], g) for t, (_, g, _) in zip(typed, rows)])


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    cli, data = sys.argv[1:3]
    pairs = read_words("words.txt")
    entries = dictionary_entries()
    answers = run(cli, ["--words", "--data", data], [p[0] for p in pairs])
    rules = run(cli, ["--rules"], [p[0] for p in pairs])
    # In the dictionary: the Roman spelling is a key whose words include the answer.
    rows = [([norm(c) for c in a.split("\t")], golds, cat, bool(golds & entries.get(roman.lower(), set())))
            for a, (roman, golds, cat) in zip(answers, pairs)]
    report("all words", [(c, g) for c, g, _, _ in rows])
    report("in the Roman dictionary", [(c, g) for c, g, _, k in rows if k])
    report("not in the Roman dictionary", [(c, g) for c, g, _, k in rows if not k])
    for cat in dict.fromkeys(p[2] for p in pairs):
        report("category " + cat, [(c, g) for c, g, ct, _ in rows if ct == cat])
    report("rules alone, all words", [([norm(r)], g) for r, (_, g, _) in zip(rules, pairs)])
    misses = [(p[0], a) for p, a, r in zip(pairs, answers, rows) if not (r[0][:1] and r[0][0] in r[1])]
    heldout = read_words("heldout.txt")
    answers = run(cli, ["--words", "--data", data], [p[0] for p in heldout])
    report("held out (never tuned on)", [([norm(c) for c in a.split("\t")], g) for a, (_, g, _) in zip(answers, heldout)])
    phrases = read_phrases()
    for label, args in (("sentences, context and queue", []), ("sentences, context, no queue", ["--no-queue"]),
                        ("sentences, queue, no context", ["--no-context"]),
                        ("sentences, neither", ["--no-context", "--no-queue"])):
        out = run(cli, ["--data", data] + args, [p[0] for p in phrases])
        words = [([norm(w)], g) for line, (_, golds) in zip(out, phrases) for w, g in zip(line.split(), golds)]
        report(label, words)
    if len(sys.argv) == 4:
        report_m17n(sys.argv[3], pairs, heldout)
    if "-v" in os.environ.get("EVAL_FLAGS", ""):
        for roman, answer in misses:
            print("miss", roman, answer.split("\t")[:3])


if __name__ == "__main__":
    main()
