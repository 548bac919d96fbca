"""The Devanagari stand-ins' rules: reading a byte table, the Chanakya table
made from the Kruti Dev rows through the recoding, and where a sign, a
subjoined RA and the reph are drawn."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "fontgen"))
from devanagari import (REFERENCE_BELOW, REFERENCE_CONSONANT, ByteRow, ByteTable,  # noqa: E402
                        drawing_for, parse_byte_table, parse_recoding, recoded_table)
from shaping import ShapedGlyph  # noqa: E402

KA, I_SIGN, AA, NUKTA = "\u0915", "\u093f", "\u093e", "\u093c"


class ByteTables(unittest.TestCase):
    def test_rows(self):
        table = parse_byte_table("@font Kruti Dev 010\n# comment\n64 letter U+0915\n\n6B sign U+093E\nA4 empty\n")
        self.assertEqual(table.font_name, "Kruti Dev 010")
        self.assertEqual(table.rows, {0x64: ByteRow("letter", KA), 0x6B: ByteRow("sign", AA), 0xA4: ByteRow("empty", "")})

    def test_bad_tables(self):
        for text, label in [("64 letter U+0915\n", "no @font line"),
                            ("@font F\n64 glyph U+0915\n", "an unknown kind"),
                            ("@font F\n64 letter U+0915\n64 letter U+0916\n", "a byte twice"),
                            ("@font F\n64 letter\n", "a letter without text"),
                            ("@font F\nA4 empty U+0915\n", "an empty glyph with text")]:
            with self.subTest(label), self.assertRaises(ValueError):
                parse_byte_table(text)


class RecodedTable(unittest.TestCase):
    def test_rows_follow_their_bytes(self):
        base = ByteTable("Kruti Dev 010", {
            0x31: ByteRow("letter", "1"),
            0x83: ByteRow("letter", "\u0967"),
            0x64: ByteRow("letter", KA),
            0x6B: ByteRow("sign", AA),
            0x3E: ByteRow("letter", "\u091d"),
            0x23: ByteRow("letter", "\u0930\u0941"),
        })
        own = ByteTable("Chanakya", {0xA4: ByteRow("empty", "")})
        recoding = parse_recoding("@map kruti_to_chankya bytes\n83 -> 31\n64 -> B7\n6B -> E6\n3E -> DB E6\n23 -> 4C A4\n"
                                  "@map chanakya_joiner bytes\n23 -> A4\n")
        rows = recoded_table(base, recoding, own).rows
        cases = [(0x31, ByteRow("letter", "\u0967"), "a recoded byte wins over a kept one"),
                 (0xB7, ByteRow("letter", KA), "one byte for one"),
                 (0xDB, ByteRow("half", "\u091d\u094d"), "a letter before the AA sign: its half form"),
                 (0x4C, ByteRow("letter", "\u0930\u0941"), "a letter before the joining glyph"),
                 (0xA4, ByteRow("empty", ""), "the table's own rows")]
        for byte, row, label in cases:
            with self.subTest(label):
                self.assertEqual(rows.get(byte), row)


def glyph(name, x, advance, y=0):
    return ShapedGlyph(name, x, y, advance)


class Drawings(unittest.TestCase):
    shaped = {
        REFERENCE_CONSONANT: [glyph("ka", 0, 700)],
        REFERENCE_BELOW: [glyph("tta", 0, 560)],
        KA + I_SIGN: [glyph("isign", 0, 260), glyph("ka", 260, 700)],
        KA + AA: [glyph("ka", 0, 700), glyph("aasign", 700, 260)],
        KA + NUKTA: [glyph("qa", 0, 750)],
        REFERENCE_BELOW + NUKTA: [glyph("tta", 0, 560), glyph("nukta", 400, 0, -30)],
        REFERENCE_BELOW + "\u094d\u0930": [glyph("tta", 0, 560), glyph("rakar", 450, 0, -80)],
        "\u0930\u094d" + KA: [glyph("ka", 0, 700), glyph("reph", 400, 0)],
    }

    def test_placement(self):
        cases = [(ByteRow("sign", I_SIGN), [("isign", 0, 0)], 260, "the I sign: spacing, before"),
                 (ByteRow("sign", AA), [("aasign", 0, 0)], 260, "AA: spacing, after"),
                 (ByteRow("sign", NUKTA), [("nukta", -160, -30)], 0, "a sign that KA takes in: shaped after TTA"),
                 (ByteRow("below", "\u094d\u0930"), [("rakar", -110, -80)], 0, "a subjoined RA under the glyph before"),
                 (ByteRow("reph", "\u0930\u094d"), [("reph", -300, 0)], 0, "the reph over the glyph before")]
        for row, components, advance, label in cases:
            with self.subTest(label):
                d = drawing_for(row, self.shaped)
                self.assertEqual((d.components, d.advance), (components, advance))


if __name__ == "__main__":
    unittest.main()
