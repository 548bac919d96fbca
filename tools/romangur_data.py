#!/usr/bin/env python3
"""Makes data/romangur/: the word, pair and triple counts of modern Punjabi
prose from which the build makes RomanGur/WordFreq.db, BiGram.db, TriGram.db
and TriGram1.DBF. Runs the project's own frequency analysis (quilm-cli
analyse) over the prose corpus and keeps the counts only, never the text:

    words.txt    word<TAB>count                 every distinct word
    pairs.txt    word word<TAB>count            pairs seen more than once
    triples.txt  word word word<TAB>count       triples seen more than once

UTF-8, one entry a line, in the analysis's order (Gurmukhi collation of the
words; pairs and triples by their words). Re-run after the analysis changes:

    tools/romangur_data.py BUILD/cli/quilm-cli CORPUS/punjabi-prose.txt data/romangur
"""
import os
import subprocess
import sys


def tables(cli, corpus):
    out = subprocess.run([cli, "analyse", "--words", "--bigrams", "--trigrams",
                          "--bigram-threshold", "1", "--trigram-threshold", "1", corpus],
                         check=True, capture_output=True).stdout.decode("utf-8")
    return [block.split("\n")[1:] for block in out.rstrip("\n").split("\n\n")]


def write(path, lines):
    with open(path + ".new", "w", encoding="utf-8", newline="\n") as f:
        f.writelines(line + "\n" for line in lines)
    os.replace(path + ".new", path)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    cli, corpus, folder = sys.argv[1:]
    words, pairs, triples = tables(cli, corpus)
    os.makedirs(folder, exist_ok=True)
    # Word SortKey Length Frequency ...; Count word pword ...; Count word pword ppword ...
    write(os.path.join(folder, "words.txt"), [f"{r[0]}\t{r[3]}" for r in map(lambda l: l.split("\t"), words)])
    write(os.path.join(folder, "pairs.txt"), [f"{r[2]} {r[1]}\t{r[0]}" for r in map(lambda l: l.split("\t"), pairs)])
    write(os.path.join(folder, "triples.txt"),
          [f"{r[3]} {r[2]} {r[1]}\t{r[0]}" for r in map(lambda l: l.split("\t"), triples)])


if __name__ == "__main__":
    main()
