"""The stand-ins of the 8-bit Devanagari fonts (Kruti Dev 010, Chanakya),
drawn from a free Unicode Devanagari font, so that text transliterated into
them reads as Devanagari without those fonts.

A byte table (fonts/display/devanagari/*.txt) says what each byte draws and
how it is placed: these fonts have no shaping, one glyph per byte, left to
right, signs over or under the glyph before them. Each glyph is cut from
the source font as HarfBuzz shapes its characters, as drawing.py does for
Gurmukhi: a sign is shaped after a reference consonant and keeps only what
comes after (or, for the vowel sign I, before) that consonant."""

from dataclasses import dataclass

from drawing import MISSING_GLYPHS, Drawing

REFERENCE_CONSONANT = "\u0915"   # KA
REFERENCE_BELOW = "\u091f"       # TTA: a subjoined RA stays a mark under it
RA_VIRAMA = "\u0930\u094d"
ZWJ = "\u200d"                   # after a virama: the half form
KINDS = ("letter", "half", "sign", "below", "reph", "empty")
SPACING = ("letter", "half")


@dataclass
class ByteRow:
    kind: str
    text: str


@dataclass
class ByteTable:
    font_name: str
    rows: dict   # byte -> ByteRow


def _code_points(fields, where):
    try:
        return "".join(chr(int(f[2:], 16)) for f in fields if f.startswith("U+") and len(f) > 2)
    except ValueError:
        raise ValueError(f"{where}: not a code point") from None


def parse_byte_table(text, source="table"):
    font_name, rows = None, {}
    for number, line in enumerate(text.splitlines(), 1):
        line = line.strip()
        where = f"{source}:{number}"
        if not line or line.startswith("#"):
            continue
        if line.startswith("@font "):
            font_name = line[len("@font "):].strip()
            continue
        fields = line.split()
        if len(fields) < 2 or fields[1] not in KINDS:
            raise ValueError(f"{where}: expected BYTE KIND [U+XXXX ...]")
        byte = int(fields[0], 16)
        if byte in rows:
            raise ValueError(f"{where}: byte {fields[0]} twice")
        row = ByteRow(fields[1], _code_points(fields[2:], where))
        if (row.kind == "empty") != (row.text == "") or len(fields[2:]) != len(row.text):
            raise ValueError(f"{where}: an empty glyph has no text, every other glyph has")
        rows[byte] = row
    if not font_name:
        raise ValueError(f"{source}: no @font line")
    return ByteTable(font_name, rows)


def parse_recoding(text, map_name="kruti_to_chankya"):
    """The rows `BYTE -> BYTE...` of the @map `map_name` of a table file."""
    recoding, in_map = {}, False
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("@map "):
            in_map = line.split()[1] == map_name
        elif in_map and "->" in line and not line.startswith("#"):
            source, target = line.split("->")
            recoding[int(source, 16)] = bytes(int(h, 16) for h in target.split())
    return recoding


def recoded_table(base, recoding, own):
    """The table of a font that recodes the bytes of `base` by `recoding`
    (a byte not in it is kept): `own` rows first; then each byte that one
    source byte becomes alone draws what that byte drew; then a byte that a
    source letter becomes before a joining glyph (an empty row of `own`)
    draws that letter, and one it becomes before the AA sign its half form.
    The bytes the recoding names come before those it keeps, each in
    order: the first claim on a byte wins."""
    rows = dict(own.rows)
    joiners = {bytes([b]) for b, r in own.rows.items() if r.kind == "empty"}
    aa = next((b for b, r in sorted(base.rows.items()) if r.kind == "sign" and r.text == "\u093e"), None)
    aa_glyph = recoding.get(aa, bytes([aa])) if aa is not None else None
    later = {}
    # Bytes the recoding names before bytes it keeps as they are.
    for source, row in sorted(base.rows.items(), key=lambda item: (item[0] not in recoding, item[0])):
        target = recoding.get(source, bytes([source]))
        if len(target) == 1:
            rows.setdefault(target[0], row)
        elif len(target) == 2 and row.kind == "letter" and target[1:] in joiners:
            later.setdefault(target[0], row)
        elif len(target) == 2 and row.kind == "letter" and target[1:] == aa_glyph:
            later.setdefault(target[0], ByteRow("half", row.text + "\u094d"))
    for byte, row in later.items():
        rows.setdefault(byte, row)
    return ByteTable(own.font_name, rows)


# The consonants a sign is shaped after, tried in order until one stays a
# glyph of its own (KA and the nukta make one glyph, QA).
SIGN_REFERENCES = (REFERENCE_CONSONANT, REFERENCE_BELOW)


def texts_to_shape(row):
    """The texts to shape for a row, in the order they are tried."""
    if row.kind == "letter":
        return [row.text]
    if row.kind == "half":
        return [row.text + ZWJ]
    if row.kind == "sign":
        return [reference + row.text for reference in SIGN_REFERENCES]
    if row.kind == "below":
        return [REFERENCE_BELOW + row.text]
    if row.kind == "reph":
        return [row.text + REFERENCE_CONSONANT]
    return []


def reference_texts():
    return set(SIGN_REFERENCES)


def texts_of(table):
    return {t for r in table.rows.values() for t in texts_to_shape(r)}


def _placed(glyphs, origin):
    return [(g.name, g.x - origin, g.y) for g in glyphs if g.name not in MISSING_GLYPHS]


def drawing_for(row, shaped):
    """The Drawing of a byte row, given the shaped runs of its texts and of
    the reference consonants."""
    if row.kind == "empty":
        return Drawing([], 0, "")
    if row.kind in SPACING:
        run = shaped[texts_to_shape(row)[0]]
        return Drawing(_placed(run, 0), sum(g.advance for g in run), row.text)
    for text in texts_to_shape(row):
        reference = REFERENCE_CONSONANT if row.kind == "reph" else text[0]
        run, base = shaped[text], shaped[reference][0]
        at = next((i for i, g in enumerate(run) if g.name == base.name), None)
        if at is not None:
            return _sign_drawing(row, run, at)
    raise ValueError(f"{row.text!r}: joins every reference consonant")


def _sign_drawing(row, run, at):
    before = run[:at]
    after = [g for i, g in enumerate(run) if i > at or (row.kind == "reph" and i < at)]
    if row.kind == "sign" and before:  # the vowel sign I: a spacing glyph before its consonant
        return Drawing(_placed(before, 0), run[at].x, row.text)
    end_of_base = run[at].x + run[at].advance
    advance = sum(g.advance for g in after) if row.kind == "sign" else 0
    return Drawing(_placed(after, end_of_base), advance, row.text)


def missing_in(row, shaped):
    texts = texts_to_shape(row)
    return bool(texts) and any(g.name in MISSING_GLYPHS for g in shaped[texts[0]])
