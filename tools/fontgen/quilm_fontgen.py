#!/usr/bin/env python3
"""Builds the display fonts: one TrueType font per Gurmukhi font encoding
that has a reader, drawn from a free Unicode Gurmukhi font, so that text in
any supported legacy font reads as Gurmukhi without that font.

    quilm_fontgen.py --quilm-cli PATH --source FONT.ttf --licence FILE
                     --own-fonts FILE --out DIR
                     [--devanagari-source FONT.ttf --devanagari-licence FILE
                      --kruti-table FILE --chanakya-table FILE --kruti-to-chanakya FILE]

`quilm-cli glyph-map` says what each byte of each encoding means. The
program's own fonts (listed in --own-fonts) are written under their own
names; every other encoding gets one font of a name of the project's own
("Quilm Legacy STEM"), which the program reaches by font substitution. DIR
receives the fonts, the source font's licence (LICENSE.txt) and fonts.txt,
one line per font: family, file, font index and "own" or "stand-in".

With the Devanagari options it also draws the stand-ins of the 8-bit
Devanagari fonts from a free Unicode Devanagari font (devanagari.py): Kruti
Dev 010 from its byte table, Chanakya from its own few rows and the Kruti
Dev rows recoded as the Kruti-to-Chanakya table recodes them. Their lines in
fonts.txt have a fifth field, the font name they draw for; the Devanagari
font's licence is copied as LICENSE-Devanagari.txt."""

import argparse
import os
import shutil
import subprocess
import sys

from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drawing import (Drawing, characters_drawn, drawing_for,  # noqa: E402
                     letters_in_two_glyphs, missing_in, reference_texts, text_to_shape)
from font_build import write_font  # noqa: E402
from glyph_map import parse_glyph_map  # noqa: E402
import devanagari  # noqa: E402
from shaping import shape_texts  # noqa: E402

STAND_IN_PREFIX = "Quilm Legacy "
VERSION_NOTE = "Quilm display font"
MANIFEST = "fonts.txt"
GURMUKHI_DIGITS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "gurmukhi_digits.txt")
GURMUKHI_ZERO = 0x0A66
LICENCE = "LICENSE.txt"
DEVANAGARI_LICENCE = "LICENSE-Devanagari.txt"
# The font index of the Kruti Dev writer; Chanakya has none.
DEVANAGARI_FONT_INDEX = {"Kruti Dev 010": 70}


def read_names(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]


def fonts_of(encoding, own_names):
    """(family, kind) of each font written for an encoding."""
    fonts = [(n, "own") for n in encoding.names if n in own_names]
    if any(n not in own_names for n in encoding.names):
        fonts.append((STAND_IN_PREFIX + encoding.stem, "stand-in"))
    return fonts


def file_name(family):
    return family.replace(" ", "-") + ".ttf"


def draw_gurmukhi_digits(encodings, chars, stems):
    """The ASCII digit bytes of the encodings named in `stems` draw the
    Gurmukhi numerals, as their real fonts do."""
    for e in encodings:
        if e.stem in stems:
            for digit in range(10):
                chars[e.index][0x30 + digit] = chr(GURMUKHI_ZERO + digit)


def glyph_bounds(font):
    glyf = font["glyf"]

    def bounds(name):
        g = glyf[name]
        return (g.xMin, g.yMin, g.xMax, g.yMax) if g.numberOfContours else (0, 0, 0, 0)
    return bounds


def drawings_of(encoding, chars_by_byte, shaped, bounds, warn):
    """byte -> Drawing; a byte whose characters the source font cannot draw
    at all is left out, so that the fallback font shows what it is."""
    drawings = {}
    for byte, chars in chars_by_byte.items():
        where = f"{encoding.stem} byte 0x{byte:02X} (" + " ".join(f"U+{ord(c):04X}" for c in chars) + ")"
        try:
            d = drawing_for(chars, shaped, bounds)
        except StopIteration:
            warn(f"{where}: the signs join the reference consonant; left out")
            continue
        if not d.components and any(not c.isspace() for c in chars):
            warn(f"{where}: not in the source font; left out")
            continue
        if missing_in(chars, shaped):
            warn(f"{where}: the source font lacks part of it")
        drawings[byte] = d
    return drawings


def read_text(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def devanagari_tables(args):
    kruti = devanagari.parse_byte_table(read_text(args.kruti_table), args.kruti_table)
    chanakya_own = devanagari.parse_byte_table(read_text(args.chanakya_table), args.chanakya_table)
    recoding = devanagari.parse_recoding(read_text(args.kruti_to_chanakya))
    return [("kruti", kruti), ("chanakya", devanagari.recoded_table(kruti, recoding, chanakya_own))]


def write_devanagari_fonts(args, warn):
    """The Devanagari stand-ins; their lines of fonts.txt."""
    tables = devanagari_tables(args)
    texts = devanagari.reference_texts() | {t for _, table in tables for t in devanagari.texts_of(table)}
    shaped = shape_texts(args.hb_shape, args.devanagari_source, texts)
    lines = []
    for stem, table in tables:
        drawings = {}
        for byte, row in sorted(table.rows.items()):
            if devanagari.missing_in(row, shaped):
                warn(f"{table.font_name} byte 0x{byte:02X}: the source font lacks part of it")
            drawings[byte] = devanagari.drawing_for(row, shaped)
        family = STAND_IN_PREFIX + stem
        write_font(TTFont(args.devanagari_source), drawings, family, os.path.join(args.out, file_name(family)),
                   VERSION_NOTE, "Devanagari")
        index = DEVANAGARI_FONT_INDEX.get(table.font_name, -1)
        lines.append(f"{family}\t{file_name(family)}\t{index}\tstand-in\t{table.font_name}")
    shutil.copyfile(args.devanagari_licence, os.path.join(args.out, DEVANAGARI_LICENCE))
    return lines


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--quilm-cli", required=True)
    ap.add_argument("--hb-shape", default="hb-shape")
    ap.add_argument("--source", required=True)
    ap.add_argument("--licence", required=True)
    ap.add_argument("--own-fonts", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--devanagari-source")
    ap.add_argument("--devanagari-licence")
    ap.add_argument("--kruti-table")
    ap.add_argument("--chanakya-table")
    ap.add_argument("--kruti-to-chanakya")
    args = ap.parse_args()

    def warn(message):
        print(f"quilm-fontgen: {message}", file=sys.stderr)

    listing = subprocess.run([args.quilm_cli, "glyph-map"], check=True, capture_output=True, text=True).stdout
    encodings = parse_glyph_map(listing)
    own_names = set(read_names(args.own_fonts))
    chars = {e.index: {r.byte: c for r in e.bytes if (c := characters_drawn(r))} for e in encodings}
    draw_gurmukhi_digits(encodings, chars, set(read_names(GURMUKHI_DIGITS)))
    second_halves = {e.index: letters_in_two_glyphs(e, chars[e.index]) for e in encodings}
    texts = reference_texts() | {text_to_shape(c) for m in chars.values() for c in m.values()}
    shaped = shape_texts(args.hb_shape, args.source, texts)
    bounds = glyph_bounds(TTFont(args.source))

    os.makedirs(args.out, exist_ok=True)
    manifest = ["# family\tfile\tfont index\town or stand-in\t[the font name a Devanagari stand-in draws for]"]
    for e in encodings:
        drawings = drawings_of(e, chars[e.index], shaped, bounds, warn)
        drawings.update({b: Drawing([], 0, "") for b in second_halves[e.index]})
        for family, kind in fonts_of(e, own_names):
            write_font(TTFont(args.source), drawings, family, os.path.join(args.out, file_name(family)), VERSION_NOTE)
            manifest.append(f"{family}\t{file_name(family)}\t{e.index}\t{kind}")
    for name in sorted(own_names - {n for e in encodings for n in e.names}):
        warn(f"no reader yet for the encoding of \"{name}\": its font is not built")
    if args.devanagari_source:
        manifest += write_devanagari_fonts(args, warn)
    shutil.copyfile(args.licence, os.path.join(args.out, LICENCE))
    with open(os.path.join(args.out, MANIFEST), "w", encoding="utf-8") as f:
        f.write("\n".join(manifest) + "\n")


if __name__ == "__main__":
    main()
