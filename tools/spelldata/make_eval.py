#!/usr/bin/env python3
"""Makes an evaluation set for the spelling checker from the words of the
prose corpus: misspellings of the kinds Punjabi writers make, and correct
common words for counting false alarms. Only words, never corpus sentences.

  misspellings.tsv   MISSPELLING TAB CORRECT TAB KIND, one per line
  correct.txt        correct common words, one per line

Words are drawn by their frequency in the prose (weighted, without
replacement) with fixed seeds, so the same seeds give the same set; a
held-out set is made with other seeds (--seed). A misspelling is never a word
of the prose nor of the main word list (--words, data/spell/words.tsv): a word
either knows is a real word, whose misuse no word list can catch. It is never
damaged either (it is a word one could type). Correct words are prose words
seen at least twice.

usage: tools/spelldata/make_eval.py [--corpus DIR] [--words FILE] [--out DIR]
           [--seed N] [--misspellings N] [--correct N]
"""

import argparse
import os
import random
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import gurmukhi  # noqa: E402
from generate import REPO, write_atomically  # noqa: E402
from tally import WordTally  # noqa: E402

# Seeds of this set; no other generator of the project draws with them.
DEFAULT_SEED = 71_500_151
CORRECT_SEED_OFFSET = 1_000_003
MIN_COUNT = 2

NUKTA_PAIRS = {base: nukta for base, nukta in gurmukhi.NUKTA_LETTERS.items()}
CONFUSABLE = {"\u0a23": "\u0a28", "\u0a2c": "\u0a35", "\u0a21": "\u0a26", "\u0a1f": "\u0a24", "\u0a5c": "\u0a30"}
VOWEL_LENGTH = {"\u0a3f": "\u0a40", "\u0a41": "\u0a42", "\u0a07": "\u0a08", "\u0a09": "\u0a0a"}
TIPPI, BINDI = "\u0a70", "\u0a02"
INSERTED_LETTERS = "ਕਗਤਦਨਮਰਲਵਸਹਜਪਬ"


def _both_ways(pairs):
    return {**pairs, **{b: a for a, b in pairs.items()}}


def _substitutions(word, table):
    return [word[:i] + table[ch] + word[i + 1:] for i, ch in enumerate(word) if ch in table]


def nukta(word):
    return _substitutions(word, _both_ways(NUKTA_PAIRS))


def consonant(word):
    return _substitutions(word, _both_ways(CONFUSABLE))


def vowel_length(word):
    return _substitutions(word, _both_ways(VOWEL_LENGTH))


def nasal(word):
    swapped = _substitutions(word, {TIPPI: BINDI, BINDI: TIPPI})
    dropped = [word[:i] + word[i + 1:] for i, ch in enumerate(word) if ch in (TIPPI, BINDI)]
    return swapped + dropped


def addak(word):
    dropped = [word[:i] + word[i + 1:] for i, ch in enumerate(word) if ch == gurmukhi.ADDAK]
    added = [word[:i] + gurmukhi.ADDAK + word[i:] for i in range(1, len(word))
             if word[i] in gurmukhi.CONSONANTS and gurmukhi.ADDAK not in word]
    return dropped + added


def vowel_dropped(word):
    return [word[:i] + word[i + 1:] for i, ch in enumerate(word) if ch in gurmukhi.VOWEL_SIGNS]


def _letter_positions(word):
    return [i for i, ch in enumerate(word) if ch in gurmukhi.LETTERS]


def transpose(word):
    at = _letter_positions(word)
    out = []
    for i, j in zip(at, at[1:]):
        chars = list(word)
        chars[i], chars[j] = chars[j], chars[i]
        out.append("".join(chars))
    return out


def delete(word):
    return [word[:i] + word[i + 1:] for i in _letter_positions(word)]


def insert(word):
    places = _letter_positions(word)[1:] + [len(word)]
    return [word[:i] + letter + word[i:] for i in places for letter in INSERTED_LETTERS]


KINDS = {f.__name__: f for f in (nukta, consonant, vowel_length, nasal, addak, vowel_dropped,
                                   transpose, delete, insert)}


def weighted_sample(counts, rng, n):
    """n distinct words drawn by count without replacement (Efraimidis-Spirakis)."""
    keyed = sorted(counts, key=lambda w: rng.random() ** (1.0 / counts[w]), reverse=True)
    return keyed[:n]


def read_words(path):
    with open(path, encoding="utf-8") as f:
        return {line.split("\t", 1)[0] for line in f if line.strip()}


def make_misspellings(pool, known, rng, total):
    """Each word of the pool gives at most one misspelling, of the kind that
    has the fewest so far among those the word allows."""
    per_kind = {kind: [] for kind in KINDS}
    quota = -(-total // len(KINDS))
    for word in pool:
        open_kinds = sorted((k for k in KINDS if len(per_kind[k]) < quota), key=lambda k: len(per_kind[k]))
        for kind in open_kinds:
            variants = sorted({v for v in KINDS[kind](word)
                               if v != word and v not in known and gurmukhi.damage(v) is None})
            if variants:
                per_kind[kind].append((rng.choice(variants), word, kind))
                break
        if sum(len(v) for v in per_kind.values()) >= total:
            break
    return [row for rows in per_kind.values() for row in rows][:total]


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--corpus", default=os.path.join(REPO, "..", "shared", "corpus"))
    parser.add_argument("--words", default=os.path.join(REPO, "data", "spell", "words.tsv"))
    parser.add_argument("--out", default=os.path.join(REPO, "tests", "spell", "eval"))
    parser.add_argument("--seed", type=int, default=DEFAULT_SEED)
    parser.add_argument("--misspellings", type=int, default=2000)
    parser.add_argument("--correct", type=int, default=2000)
    return parser.parse_args()


def main():
    args = parse_args()
    prose = WordTally("p", "prose")
    with open(os.path.join(args.corpus, "punjabi-prose.txt"), encoding="utf-8") as f:
        for line in f:
            prose.add_text(line)
    usable = {w: n for w, n in prose.counts.items() if n >= MIN_COUNT}
    longer = {w: n for w, n in usable.items() if len(_letter_positions(w)) >= 2}
    known = set(prose.counts) | read_words(args.words)
    rng = random.Random(args.seed)
    pool = weighted_sample(longer, rng, len(longer))
    rows = make_misspellings(pool, known, rng, args.misspellings)
    correct = sorted(weighted_sample(usable, random.Random(args.seed + CORRECT_SEED_OFFSET), args.correct))
    os.makedirs(args.out, exist_ok=True)
    write_atomically(os.path.join(args.out, "misspellings.tsv"), ("\t".join(row) for row in rows))
    write_atomically(os.path.join(args.out, "correct.txt"), correct)
    kinds = {}
    for _, _, kind in rows:
        kinds[kind] = kinds.get(kind, 0) + 1
    print("%d misspellings (%s), %d correct words" % (len(rows), ", ".join("%s %d" % kv for kv in kinds.items()),
                                                     len(correct)))


if __name__ == "__main__":
    main()
