#!/usr/bin/env python3
"""Writes the word sources of the spelling checker under data/spell/ from
public sources (see tools/spelldata/README.md):

  words.tsv       the main Punjabi word list: WORD TAB COUNT TAB SOURCES
  aspell-pa.txt   the words of aspell-pa, apart, one per line
  english.txt     English words in lower case, one per line
  english.COPYRIGHT  the copyright notices of those English words
  report.txt      what each source gave and what each rule kept or removed

usage: tools/spelldata/generate.py [--corpus DIR] [--quilm-cli PATH]
           [--shabados-db PATH] [--without-aspell] [--out DIR]
"""

import argparse
import os
import shutil
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import debian_packages  # noqa: E402
import merge  # noqa: E402
import scripture  # noqa: E402
import shabados  # noqa: E402
import word_lists  # noqa: E402
from tally import WordTally  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--corpus", default=os.path.join(REPO, "..", "shared", "corpus"),
                        help="folder of punjabi-prose.txt and gurbani-anmollipi.txt")
    parser.add_argument("--quilm-cli", default=os.path.join(REPO, "build", "cli", "quilm-cli"),
                        help="the project's command-line tool, for the AnmolLipi to Unicode conversion")
    parser.add_argument("--shabados-db", help="an unpacked database.sqlite of %s %s instead of fetching it"
                        % (shabados.PACKAGE, shabados.VERSION))
    parser.add_argument("--without-aspell", action="store_true", help="leave aspell-pa out of words.tsv")
    parser.add_argument("--out", default=os.path.join(REPO, "data", "spell"))
    return parser.parse_args()


def write_atomically(path, lines):
    temp = path + ".tmp"
    with open(temp, "w", encoding="utf-8", newline="\n") as f:
        for line in lines:
            f.write(line + "\n")
    os.replace(temp, path)


def tally_of(code, name, texts):
    tally = WordTally(code, name)
    for text in texts:
        tally.add_text(text)
    return tally


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        yield from f


def punjabi_tallies(args, workdir):
    database = args.shabados_db or shabados.fetch_database(workdir)
    tallies = {
        "p": tally_of("p", "prose corpus punjabi-prose.txt", read_lines(os.path.join(args.corpus, "punjabi-prose.txt"))),
        "s": tally_of("s", "Shabad OS commentaries (%s)" % ", ".join(shabados.commentators(database)),
                      shabados.commentary_paragraphs(database)),
        "t": tally_of("t", "Tesseract pan word list", word_lists.tesseract_words(workdir)),
        "a": tally_of("a", "aspell-pa", word_lists.aspell_words()),
    }
    for list_source in (tallies["t"], tallies["a"]):  # a list names a word, it does not count it
        for word in list_source.counts:
            list_source.counts[word] = 1
    return tallies


def main():
    args = parse_args()
    debian_packages.install_missing()
    os.makedirs(args.out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="spelldata.") as workdir:
        tallies = punjabi_tallies(args, workdir)
    holy = scripture.scripture_tally(args.quilm_cli, os.path.join(args.corpus, "gurbani-anmollipi.txt"))
    aspell = sorted(tallies["a"].counts)
    if args.without_aspell:
        del tallies["a"]
    words, merge_report = merge.merge(tallies, holy.counts)
    write_atomically(os.path.join(args.out, "words.tsv"),
                     ("%s\t%d\t%s" % (w, words[w].count, ",".join(words[w].sources)) for w in sorted(words)))
    write_atomically(os.path.join(args.out, "aspell-pa.txt"), aspell)
    english = word_lists.english_words()
    write_atomically(os.path.join(args.out, "english.txt"), english)
    shutil.copyfile(word_lists.ENGLISH_COPYRIGHT, os.path.join(args.out, "english.COPYRIGHT"))
    report = ["# Made by tools/spelldata/generate.py; counts are of distinct words unless said otherwise.", ""]
    for tally in list(tallies.values()) + [holy]:
        report += tally.summary_lines()
    report += [""] + merge_report + ["", "English words: %d" % len(english)]
    write_atomically(os.path.join(args.out, "report.txt"), report)
    print("\n".join(report))


if __name__ == "__main__":
    main()
