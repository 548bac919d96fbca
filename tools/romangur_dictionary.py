#!/usr/bin/env python3
"""Makes data/romangur/roman.txt, the source of RomanGur.dbf: the Punjabi
words of the main word list (data/spell/words.tsv, the words of modern prose
and of the aspell list; scripture-only words are left out) with the Roman
spellings people type for them.

Each word gets the Roman spelling of the project's own Gurmukhi-to-Roman
rules (quilm-cli translit --to roman), also for the word written without
bindi, without addak and without nukta, and then the everyday variants of
those spellings (ROMAN_CHANGES): a dropped inherent vowel, single for double
vowels (aa a, ee i, oo u), v/w, n for NNA, r or d for RRA, the h of
aspirates dropped, f for PH, eh for the ai of ਹਿ, y for iy, u for the a of a
first syllable with tippi, one letter for a doubled one and the reverse, and
a few more. Each variant weighs the product of the weights of its changes; a
word keeps its heaviest spellings of at least MIN_WEIGHT (more for frequent
words, see kept_spellings). A rare nukta spelling of a word whose plain
spelling is ten times as frequent gives its spellings to that word. A
spelling keeps at most MOST_PER_KEY words, heaviest first (weight times
count), of at least LEAST_SHARE of the best weight there.

    roman.txt   ROMAN<TAB>GURMUKHI GURMUKHI ...   sorted by the Roman spelling

Re-run after the word list or the rules change:

    tools/romangur_dictionary.py BUILD/cli/quilm-cli data/spell/words.tsv data/romangur/roman.txt
"""
import itertools
import os
import re
import subprocess
import sys

MOST_PER_KEY = 10

# Spellings of the word itself: (weight, Gurmukhi rewrite).
NUKTA = {"\u0a36": "\u0a38", "\u0a59": "\u0a16", "\u0a5a": "\u0a17", "\u0a5b": "\u0a1c", "\u0a5e": "\u0a2b",
         "\u0a33": "\u0a32", "\u0a3c": ""}
def strip_nukta(word):
    return "".join(NUKTA.get(c, c) for c in word)


GURMUKHI_FORMS = [
    # A final -ਾਂ is mostly the plural or oblique ending: typed without its
    # nasal it is the singular, so it weighs less than a bindi inside a word.
    ("bindi", 0.7, lambda w: w[:-1].replace("\u0a02", "") + w[-1] if w.endswith("\u0a3e\u0a02") else w.replace("\u0a02", "")),
    ("final bindi", 0.3, lambda w: w[:-1] if w.endswith("\u0a3e\u0a02") else w),
    ("addak", 0.8, lambda w: w.replace("\u0a71", "")),
    ("nukta", 0.8, lambda w: strip_nukta(w)),
]

CONSONANTS = "bcdfghjklmnpqrstvwxyz"
# Everyday changes of a Roman spelling: (weight, pattern, replacement).
ROMAN_CHANGES = [
    (0.6, r"(?<=[a-z][" + CONSONANTS + r"])a(?=[" + CONSONANTS + r"][a-z])", ""),
    (0.9, r"aa$", "a"),
    (0.9, r"aa", "a"),
    (0.9, r"ee", "i"),
    (0.85, r"oo", "u"),
    (0.7, r"v", "w"),
    (0.9, r"nh", "n"),
    (0.7, r"rh", "r"),
    (0.6, r"rh", "d"),
    (0.3, r"(?<=[kgjtdpb])h", ""),
    (0.7, r"chh", "ch"),
    (0.5, r"chch", "cch"),
    (0.4, r"chch", "chh"),
    (0.4, r"jh", "ch"),
    (0.4, r"nh", "nn"),
    (0.5, r"ph", "f"),
    (0.8, r"aih", "eh"),
    (0.4, r"ai(?!h)", "e"),
    (0.5, r"(?<=h)i(?=[" + CONSONANTS + "])", "e"),
    (0.7, r"iy", "y"),
    (0.6, r"^ih", "eh"),
    (0.3, r"au", "o"),
    (0.5, r"(?<=^[bcdfghjklmnprstvwyz])a(?=n[bcdfgjkpt])", "u"),
    (0.7, r"([bcdfgjklmnprstvz])\1", r"\1"),
    (0.3, r"(?<=[aeiou])([sk])(?=[aeiou])", r"\1\1"),
    (0.3, r"e(?=n$)", "ei"),
    (0.4, r"ahu", "oha"),
    (0.4, r"(?<=^[bcdfgjklmnprstvwyz])a(?=h)", ""),
]


MIN_WEIGHT = 0.15
# A word stays under a spelling only when its spelling weighs at least this
# share of the best word's there: far-fetched variants of frequent words do
# not crowd out the word spelled so.
LEAST_SHARE = 0.35


def kept_spellings(count):
    return 20 if count >= 100 else 14 if count >= 10 else 10


def roman_of(cli, words):
    out = subprocess.run([cli, "translit", "--to", "roman"], input="\n".join(words) + "\n",
                         check=True, capture_output=True, text=True).stdout
    lines = out.split("\n")
    return lines[:len(words)]


def gurmukhi_forms(word):
    forms = {word: 1.0}
    for r in range(1, len(GURMUKHI_FORMS) + 1):
        for combo in itertools.combinations(GURMUKHI_FORMS, r):
            w, weight = word, 1.0
            for _, cw, f in combo:
                w, weight = f(w), weight * cw
            if w and w != word:
                forms[w] = max(forms.get(w, 0), weight)
    return forms


def roman_variants(base, base_weight):
    base = base.lower()
    applicable = [c for c in ROMAN_CHANGES if re.search(c[1], base)]
    variants = {}
    for r in range(0, min(len(applicable), 6) + 1):
        for combo in itertools.combinations(applicable, r):
            s, weight = base, base_weight
            for cw, pattern, replacement in combo:
                s, weight = re.sub(pattern, replacement, s), weight * cw
            if re.fullmatch(r"[a-z]+", s):
                variants[s] = max(variants.get(s, 0), weight)
    return variants


def read_words(path):
    """The modern words, less the rare nukta spellings of a word whose plain
    spelling is at least ten times as frequent (ਚੰਗ਼ਾ beside ਚੰਗਾ)."""
    counts = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            word, count, sources = line.rstrip("\n").split("\t")
            if sources != "s":
                counts[word] = int(count)
    words, twins = [], {}
    for word, count in counts.items():
        plain = strip_nukta(word)
        if plain != word and counts.get(plain, 0) >= 10 * max(count, 1):
            twins.setdefault(plain, []).append(word)
            continue
        words.append((word, count))
    return words, twins


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    cli, word_list, out = sys.argv[1:]
    words, twins = read_words(word_list)
    # A word is also typed as its nukta twins are (ਸ੍ਰੀ as shree, like ਸ਼੍ਰੀ).
    forms = []
    for w, _ in words:
        fs = gurmukhi_forms(w)
        for twin in twins.get(w, []):
            fs[twin] = max(fs.get(twin, 0), 0.8)
        forms.append(fs)
    flat = [f for fs in forms for f in fs]
    romans = iter(roman_of(cli, flat))
    keys, weights = {}, {}
    for (word, count), fs in zip(words, forms):
        spellings = {}
        for form, weight in fs.items():
            for s, w in roman_variants(next(romans), weight).items():
                spellings[s] = max(spellings.get(s, 0), w)
        best = sorted(((s, w) for s, w in spellings.items() if w >= MIN_WEIGHT),
                      key=lambda kv: (-kv[1], kv[0]))[:kept_spellings(count)]
        for s, w in best:
            keys.setdefault(s, []).append((w * (count + 1), word))
            weights[(s, word)] = w
    with open(out + ".new", "w", encoding="utf-8", newline="\n") as f:
        for key in sorted(keys):
            ranked = sorted(keys[key], key=lambda sw: (-sw[0], sw[1]))[:MOST_PER_KEY]
            best = max(weights[(key, w)] for _, w in ranked)
            kept = [w for _, w in ranked if weights[(key, w)] >= LEAST_SHARE * best]
            f.write(key + "\t" + " ".join(kept) + "\n")
    os.replace(out + ".new", out)


if __name__ == "__main__":
    main()
