"""The display-font generator's rules for what a byte draws and where:
character order, signs placed on the glyph before, sihari before its
consonant, and the reading of a glyph-map listing."""

import os
import sys
import unittest
from types import SimpleNamespace

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "fontgen"))
from drawing import (REFERENCE_CONSONANT, characters_drawn, drawing_for,  # noqa: E402
                     letters_in_two_glyphs, logical_order)
from glyph_map import ByteReading, Encoding, parse_glyph_map  # noqa: E402
from shaping import ShapedGlyph  # noqa: E402

KA, SA, RA, CA = "\u0a15", "\u0a38", "\u0a30", "\u0a1a"
SIHARI, NUKTA, VIRAMA, U, BINDI, AA, TIPPI = "\u0a3f", "\u0a3c", "\u0a4d", "\u0a41", "\u0a02", "\u0a3e", "\u0a70"


class LogicalOrder(unittest.TestCase):
    def test_cases(self):
        cases = [
            (SIHARI + KA, KA + SIHARI, "sihari follows its consonant"),
            (SIHARI + SA + NUKTA, SA + NUKTA + SIHARI, "and the consonant's nukta"),
            (SIHARI + KA + VIRAMA + RA, KA + VIRAMA + RA + SIHARI, "and its subjoined letter"),
            (SIHARI, SIHARI, "a sihari alone stays"),
            (KA + U + BINDI, KA + U + BINDI, "other signs already follow"),
            (KA + TIPPI + U, KA + U + TIPPI, "a nasal sign follows the vowel sign"),
            (TIPPI + U, U + TIPPI, "also in a byte of signs only"),
        ]
        for drawn, logical, label in cases:
            with self.subTest(label):
                self.assertEqual(logical_order(drawn), logical)


def reading(meaning, roles, text):
    return ByteReading(0x41, meaning, meaning, roles, text)


class CharactersDrawn(unittest.TestCase):
    def test_cases(self):
        cases = [
            (reading(b"\x65", ["consonant"], KA), KA, "a letter"),
            (reading(b"", [], ""), None, "a byte the reader drops"),
            (reading(b"\x0a", ["control"], "\n"), None, "a control byte"),
            (reading(b"\xa9", ["sign_combination"], VIRAMA + RA + BINDI), VIRAMA + RA + BINDI, "a sign combination"),
            (reading(b"\x66\x65", ["vowel_sign", "consonant"], SIHARI + KA), KA + SIHARI, "in character order"),
        ]
        for r, chars, label in cases:
            with self.subTest(label):
                self.assertEqual(characters_drawn(r), chars)


class LettersInTwoGlyphs(unittest.TestCase):
    def test_the_first_byte_draws_the_letter_the_second_nothing(self):
        onkar = reading(b"\xbb", ["punctuation"], "\u0a74")
        e = Encoding(35, "quilmp", pairs=[(0xC3, 0xC4, onkar), (0x65, 0x6B, onkar)])
        chars = {0x65: KA}
        self.assertEqual(letters_in_two_glyphs(e, chars), {0xC4})
        self.assertEqual(chars, {0x65: KA, 0xC3: "\u0a74"}, "a byte with a meaning of its own keeps it")


class Placement(unittest.TestCase):
    # Shaped runs as HarfBuzz gives them: KA 500 wide, kanna 200, marks zero-width
    # drawn left of their origin.
    SHAPED = {
        REFERENCE_CONSONANT: [ShapedGlyph("ka", 0, 0, 500)],
        KA + VIRAMA: [ShapedGlyph("ka", 0, 0, 500), ShapedGlyph("virama", 500, 0, 0)],
        KA + VIRAMA + CA: [ShapedGlyph("ka", 0, 0, 500), ShapedGlyph("virama", 500, 0, 0), ShapedGlyph("ca", 500, 0, 480)],
        KA + U: [ShapedGlyph("ka", 0, 0, 500), ShapedGlyph("u", 510, -5, 0)],
        KA + AA + BINDI: [ShapedGlyph("ka", 0, 0, 500), ShapedGlyph("aa", 500, 0, 200), ShapedGlyph("bindi", 700, 0, 0)],
        KA + SIHARI: [ShapedGlyph("sihari", 0, 0, 230), ShapedGlyph("ka", 230, 0, 500)],
        KA + VIRAMA + RA: [ShapedGlyph("ka", 0, 0, 500), ShapedGlyph("ra.below", 500, 0, 0)],
        RA + U: [ShapedGlyph("ra", 0, 0, 440), ShapedGlyph("u", 440, 0, 0)],
    }

    def test_cases(self):
        cases = [
            (U, [("u", 10, -5)], 0, "a mark: zero-width, placed as after the reference consonant"),
            (AA + BINDI, [("aa", 0, 0), ("bindi", 200, 0)], 200, "kanna keeps its width, its bindi rides on it"),
            (SIHARI, [("sihari", 0, 0)], 230, "sihari: the spacing glyph before the consonant"),
            (VIRAMA + RA, [("ra.below", 0, 0)], 0, "a subjoined letter under the glyph before"),
            (RA + U, [("ra", 0, 0), ("u", 440, 0)], 440, "a ligature byte: the whole run"),
            # CA spans 0..500 and rises to 500: at 0.55 it is 275 wide, centred under the
            # reference consonant's middle (-250) and hung below the baseline.
            (VIRAMA + CA, [("ca", -388, -315, 0.55)], 0, "a subjoined letter the font has no form for: small, below"),
        ]
        for chars, components, advance, label in cases:
            with self.subTest(label):
                d = drawing_for(chars, self.SHAPED, lambda name: (0, 0, 500, 500))
                self.assertEqual(d.components, components)
                self.assertEqual(d.advance, advance)


class GlyphMapListing(unittest.TestCase):
    def test_parse(self):
        listing = ("encoding\t2\tanmollipi\n"
                   "name\t2\tAnmolLipi\n"
                   "name\t2\tAnmol Kalmi\n"
                   "byte\t2\t41\t6E\t6E\tvowel_carrier\tU+0A05\n"
                   "byte\t2\t8E\t8E\t54 5B\tvowel_carrier,vowel_sign\tU+0A09\n"
                   "byte\t2\t00\t00\t00\tcontrol\tU+0000\n"
                   "byte\t2\tB2\t-\t-\t-\t-\n"
                   "pair\t2\tC3 C4\tBB\tBB\tpunctuation\tU+0A74\n")
        [e] = parse_glyph_map(listing)
        self.assertEqual((e.index, e.stem, e.names), (2, "anmollipi", ["AnmolLipi", "Anmol Kalmi"]))
        self.assertEqual(e.bytes[0], ByteReading(0x41, b"\x6e", b"\x6e", ["vowel_carrier"], "\u0a05"))
        self.assertEqual(e.bytes[1].meaning, b"\x54\x5b")
        self.assertEqual(e.bytes[3], ByteReading(0xB2, b"", b"", [], ""))
        self.assertEqual(e.pairs, [(0xC3, 0xC4, ByteReading(0xC3, b"\xbb", b"\xbb", ["punctuation"], "\u0a74"))])


class GurmukhiDigits(unittest.TestCase):
    def test_listed_encodings_draw_the_numerals_at_the_digit_bytes(self):
        from quilm_fontgen import draw_gurmukhi_digits
        encodings = [SimpleNamespace(stem="anmollipi", index=2), SimpleNamespace(stem="satluj", index=22)]
        chars = {2: {0x31: "1", 0x61: "\u0a05"}, 22: {0x31: "1"}}
        draw_gurmukhi_digits(encodings, chars, {"anmollipi"})
        self.assertEqual(chars[2][0x30], "\u0a66")
        self.assertEqual(chars[2][0x31], "\u0a67")
        self.assertEqual(chars[2][0x39], "\u0a6f")
        self.assertEqual(chars[2][0x61], "\u0a05")  # other bytes as they were
        self.assertEqual(chars[22], {0x31: "1"})  # an encoding not listed keeps ASCII digits


if __name__ == "__main__":
    unittest.main()
