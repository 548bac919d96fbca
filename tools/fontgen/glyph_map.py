"""Reads the output of `quilm-cli glyph-map`: for each encoding its font names
and what each byte reads as (pivot bytes, their roles, their characters)."""

from dataclasses import dataclass, field


@dataclass
class ByteReading:
    byte: int
    pivot: bytes      # what the encoding's reader gives for the byte alone
    meaning: bytes    # the same with alternate glyphs replaced by their standard bytes
    roles: list       # role of each meaning byte ("consonant", "vowel_sign" ...)
    text: str         # the characters of the meaning, in drawing order


@dataclass
class Encoding:
    index: int
    stem: str
    names: list = field(default_factory=list)
    bytes: list = field(default_factory=list)   # ByteReading, 0x00 to 0xFF
    pairs: list = field(default_factory=list)   # (first, second, ByteReading): bytes read together


def _hex_field(value):
    return b"" if value == "-" else bytes(int(h, 16) for h in value.split())


def _list_field(value, sep):
    return [] if value == "-" else value.split(sep)


def _text_field(value):
    return "".join(chr(int(c[2:], 16)) for c in _list_field(value, " "))


def _reading(byte, fields):
    pivot, meaning, roles, chars = fields
    return ByteReading(byte, _hex_field(pivot), _hex_field(meaning), _list_field(roles, ","), _text_field(chars))


def parse_glyph_map(text):
    """The encodings of a glyph-map listing, in its order."""
    encodings = {}
    for number, line in enumerate(text.splitlines(), 1):
        if not line:
            continue
        fields = line.split("\t")
        kind, index = fields[0], int(fields[1])
        if kind == "encoding":
            encodings[index] = Encoding(index, fields[2])
        elif kind == "name":
            encodings[index].names.append(fields[2])
        elif kind == "byte":
            encodings[index].bytes.append(_reading(int(fields[2], 16), fields[3:]))
        elif kind == "pair":
            first, second = _hex_field(fields[2])
            encodings[index].pairs.append((first, second, _reading(first, fields[3:])))
        else:
            raise ValueError(f"glyph map line {number}: unknown kind {kind!r}")
    return list(encodings.values())
