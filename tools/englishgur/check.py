#!/usr/bin/env python3
"""Checks data/romangur/english.txt, the source of EnglishGur.DBF: English
words as Punjabi writes them in Gurmukhi, a list written and read by hand.

Every English word must be a word of the Debian word list
(data/spell/english.txt) and every Gurmukhi spelling a word of the main
Punjabi word list (data/spell/words.tsv), in NFC; the English words are
sorted and unique. With --fix the file is rewritten without the spellings
that fail (the English word goes when none is left), sorted; without it the
failures are listed and the exit status is 1.

    tools/englishgur/check.py [--fix] data/romangur/english.txt data/spell/english.txt data/spell/words.tsv
"""
import os
import sys
import unicodedata


def nfc(s):
    return unicodedata.normalize("NFC", s)


def read_source(path):
    comments, rows = [], []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("#") or not line:
                comments.append(line)
                continue
            english, gurmukhi = line.split("\t")
            rows.append((english, gurmukhi.split()))
    return comments, rows


def main():
    args = sys.argv[1:]
    fix = "--fix" in args
    args = [a for a in args if a != "--fix"]
    if len(args) != 3:
        sys.exit(__doc__)
    source, english_list, word_list = args
    with open(english_list, encoding="utf-8") as f:
        english_words = {line.strip() for line in f}
    with open(word_list, encoding="utf-8") as f:
        punjabi_words = {nfc(line.split("\t")[0]) for line in f}
    comments, rows = read_source(source)
    failures, kept = [], {}
    for english, spellings in rows:
        if english not in english_words:
            failures.append(f"{english}: not a word of the English word list")
            continue
        for g in spellings:
            if g != nfc(g) or g not in punjabi_words:
                failures.append(f"{english}: {g} is not a word of the Punjabi word list (in NFC)")
            elif g not in kept.setdefault(english, []):
                kept[english].append(g)
    order = [e for e, _ in rows]
    if order != sorted(set(order)):
        failures.append("the English words are not sorted and unique")
    if fix:
        with open(source + ".new", "w", encoding="utf-8", newline="\n") as f:
            for c in comments:
                f.write(c + "\n")
            for english in sorted(kept):
                if kept[english]:
                    f.write(english + "\t" + " ".join(kept[english]) + "\n")
        os.replace(source + ".new", source)
        return 0
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
