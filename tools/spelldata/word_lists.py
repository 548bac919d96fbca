"""The word lists of Debian packages: the Punjabi word list inside
tesseract-ocr-pan, the Punjabi dictionary of aspell-pa and the English words
of wamerican."""

import os
import subprocess

TESSDATA = "/usr/share/tesseract-ocr/5/tessdata/pan.traineddata"
ENGLISH_WORDS = "/usr/share/dict/american-english"
ENGLISH_COPYRIGHT = "/usr/share/doc/wamerican/copyright"


def tesseract_words(workdir):
    """The words of the word dawg of Tesseract's Punjabi model."""
    prefix = os.path.join(workdir, "pan.")
    subprocess.run(["combine_tessdata", "-u", TESSDATA, prefix], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wordlist = os.path.join(workdir, "pan.words")
    subprocess.run(["dawg2wordlist", prefix + "lstm-unicharset", prefix + "lstm-word-dawg", wordlist],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(wordlist, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip()]


def aspell_words():
    """The words of aspell's Punjabi master dictionary."""
    dump = subprocess.run(["aspell", "-d", "pa", "dump", "master"], check=True,
                          stdout=subprocess.PIPE, encoding="utf-8").stdout
    return [line.strip() for line in dump.splitlines() if line.strip()]


def english_words():
    """The English words in lower case without possessives, sorted, once each."""
    with open(ENGLISH_WORDS, encoding="utf-8") as f:
        words = {line.strip().lower() for line in f}
    return sorted(w for w in words if w and not w.endswith("'s"))
