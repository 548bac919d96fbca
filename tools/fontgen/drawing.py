"""What the stand-in font draws at one byte, from what the byte reads as.

Legacy Gurmukhi fonts draw one glyph per byte, left to right, with no
shaping: consonants, independent vowels, kanna and bihari are spacing
glyphs; sihari is a spacing glyph typed before its consonant; the other
vowel signs, the nasal signs, addak, nukta and the subjoined letters are
zero-width glyphs drawn over or under the glyph before them. The stand-ins
keep that model. Each glyph is cut from the source font as HarfBuzz shapes
the byte's characters: a byte that starts with a sign is shaped after a
reference consonant and keeps only what comes after (or, for sihari, before)
that consonant, placed relative to it."""

import unicodedata
from dataclasses import dataclass

SIHARI = "\u0a3f"
NUKTA = "\u0a3c"
VIRAMA = "\u0a4d"
# The consonant that signs are placed against: of middle width, with no
# ligature in the source font.
REFERENCE_CONSONANT = "\u0a15"  # KA
# What the source font draws for a character it lacks or a broken cluster.
MISSING_GLYPHS = {".notdef", "dottedcircle"}
NO_GLYPH_ROLES = {"control", "no_meaning"}


@dataclass
class Drawing:
    components: list   # (source glyph name, x, y) or (name, x, y, scale)
    advance: int
    text: str          # the characters drawn, for reports


def is_sign(c):
    return unicodedata.category(c) in ("Mn", "Mc")


NASAL_SIGNS = {"\u0a01", "\u0a02", "\u0a70"}


def is_vowel_sign(c):
    return "\u0a3e" <= c <= "\u0a4c"


def logical_order(text):
    """Drawing order to character order: a sihari stored before its
    consonant moves after the consonant, its nukta and subjoined letter, and
    a nasal sign drawn before a vowel sign follows it, as Unicode orders them."""
    chars = _sihari_after_consonant(list(text))
    for i in range(len(chars) - 2, -1, -1):
        j = i
        while j + 1 < len(chars) and chars[j] in NASAL_SIGNS and is_vowel_sign(chars[j + 1]):
            chars[j], chars[j + 1] = chars[j + 1], chars[j]
            j += 1
    return "".join(chars)


def _sihari_after_consonant(chars):
    i = 0
    while i < len(chars) - 1:
        if chars[i] == SIHARI and not is_sign(chars[i + 1]):
            end = i + 2
            while end < len(chars) and (chars[end] == NUKTA or (chars[end] == VIRAMA and end + 1 < len(chars))):
                end += 2 if chars[end] == VIRAMA else 1
            chars.insert(end - 1, chars.pop(i))
            i = end
        else:
            i += 1
    return chars


def characters_drawn(reading):
    """The characters a byte draws, in character order; None when the byte
    draws nothing (controls, bytes without meaning, bytes the reader drops)."""
    if not reading.meaning or all(r in NO_GLYPH_ROLES for r in reading.roles) or not reading.text:
        return None
    return logical_order(reading.text)


def letters_in_two_glyphs(encoding, chars_by_byte):
    """A letter that an encoding draws in two glyphs (two bytes its reader
    reads together, neither of which means anything alone, as EK ONKAR in
    some fonts) is drawn whole at the first byte, and the second byte becomes
    an empty zero-width glyph. Adds the first bytes to `chars_by_byte` and
    returns the second bytes."""
    empty = set()
    for first, second, reading in encoding.pairs:
        chars = characters_drawn(reading)
        if chars and first not in chars_by_byte and second not in chars_by_byte and second not in empty:
            chars_by_byte[first] = chars
            empty.add(second)
    return empty


def text_to_shape(chars):
    """Signs are shaped after the reference consonant; letters alone."""
    return REFERENCE_CONSONANT + chars if is_sign(chars[0]) else chars


def drawing_for(chars, shaped, bounds):
    """The Drawing of `chars` (non-empty) given the shaped runs of
    text_to_shape(chars), of the reference consonant and of the reference
    consonant with a virama; `bounds(glyph name)` gives (xMin, yMin, xMax, yMax)."""
    run = shaped[text_to_shape(chars)]
    if not is_sign(chars[0]):
        return _drawing(run, 0, sum(g.advance for g in run), chars)
    base = shaped[REFERENCE_CONSONANT][0]
    at = next(i for i, g in enumerate(run) if g.name == base.name)
    before, after = run[:at], run[at + 1:]
    if before:  # sihari: a spacing glyph of its own, drawn before the consonant
        return _drawing(before, 0, run[at].x, chars)
    end_of_base = run[at].x + run[at].advance
    virama = shaped[REFERENCE_CONSONANT + VIRAMA][1].name
    if chars[0] == VIRAMA and len(after) > 1 and after[0].name == virama:
        return _small_letter_below(after[1:], base.advance, bounds, chars)
    return _drawing(after, end_of_base, sum(g.advance for g in after), chars)


# A subjoined letter that the source font has no below-base form for is drawn
# as legacy fonts draw it: the letter made small, under the glyph before.
SUBJOINED_SCALE = 0.55
SUBJOINED_GAP = 40  # font units between the baseline and the small letter


def _small_letter_below(glyphs, reference_advance, bounds, chars):
    letter = glyphs[0]
    x_min, _, x_max, y_max = bounds(letter.name)
    x = -reference_advance / 2 - SUBJOINED_SCALE * (x_min + x_max) / 2
    y = -SUBJOINED_GAP - SUBJOINED_SCALE * y_max
    components = [(letter.name, round(x), round(y), SUBJOINED_SCALE)]
    for g in glyphs[1:]:  # signs of the subjoined letter keep their place
        if g.name not in MISSING_GLYPHS:
            components.append((g.name, g.x - letter.x - letter.advance, g.y))
    return Drawing(components, 0, chars)


def _drawing(glyphs, origin, advance, chars):
    components = [(g.name, g.x - origin, g.y) for g in glyphs if g.name not in MISSING_GLYPHS]
    return Drawing(components, advance, chars)


def missing_in(chars, shaped):
    """True when the source font cannot draw some of `chars`."""
    return any(g.name in MISSING_GLYPHS for g in shaped[text_to_shape(chars)])


def reference_texts():
    """The runs drawing_for needs besides the bytes' own."""
    return {REFERENCE_CONSONANT, REFERENCE_CONSONANT + VIRAMA}
