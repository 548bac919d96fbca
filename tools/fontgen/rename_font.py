#!/usr/bin/env python3
"""Writes a copy of a font under another family name.

    rename_font.py SOURCE.ttf FAMILY OUT.ttf

The display tests use it to play a font that the user has installed under a
Gurmukhi font name, to check that such a font wins over the stand-in."""

import sys

from fontTools.ttLib import TTFont


def main():
    source, family, out = sys.argv[1:4]
    font = TTFont(source)
    name = font["name"]
    postscript = "".join(c for c in family if c.isalnum() or c in "-_")
    for name_id, value in ((1, family), (4, family), (6, postscript), (3, family + ";test copy")):
        name.removeNames(nameID=name_id)
        name.setName(value, name_id, 3, 1, 0x409)
        name.setName(value, name_id, 1, 0, 0)
    for name_id in (16, 17):
        name.removeNames(nameID=name_id)
    font.save(out)


if __name__ == "__main__":
    main()
