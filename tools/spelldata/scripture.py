"""The words of the scripture, to tell the old spellings the commentaries
quote from the words of modern Punjabi.

The scripture corpus is stored as bytes of the AnmolLipi font; the project's
own converter (`quilm-cli convert`) turns it into Unicode."""

import subprocess

from tally import WordTally


def scripture_tally(quilm_cli, anmollipi_path):
    with open(anmollipi_path, "rb") as source:
        converted = subprocess.run([quilm_cli, "convert", "--from", "AnmolLipi", "--to", "unicode"],
                                   stdin=source, stdout=subprocess.PIPE, check=True).stdout
    tally = WordTally("g", "scripture (gurbani-anmollipi.txt)")
    for line in converted.decode("utf-8").splitlines():
        tally.add_text(line)
    return tally
