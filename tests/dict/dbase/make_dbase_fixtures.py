#!/usr/bin/env python3
"""Writes the small dBase files the import tests read, straight from the
published dBase III / IV file layout (header, 32-byte field descriptors,
0x0D, fixed-length records, 0x1A; memo files of 512-byte blocks), without
any of Quilm's code. Run it from anywhere; it writes beside itself, and the
broken files into tests/reliability/bad_input/.

    python3 tests/dict/dbase/make_dbase_fixtures.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
BAD = os.path.join(HERE, "..", "..", "reliability", "bad_input")


def field(name, kind, length, decimals=0):
    return struct.pack("<11sc4xBB14x", name.encode(), kind.encode(), length, decimals)


def dbf(version, fields, records, deleted=(), date=(126, 12, 10), records_in_header=None, record_length=None):
    """fields: (name, type, length, decimals); records: lists of raw field bytes."""
    header_length = 32 + 32 * len(fields) + 1
    length = 1 + sum(f[2] for f in fields)
    count = len(records) if records_in_header is None else records_in_header
    out = struct.pack("<B3BIHH20x", version, *date, count,
                      header_length, length if record_length is None else record_length)
    out += b"".join(field(*f) for f in fields) + b"\x0D"
    for i, values in enumerate(records):
        row = b"*" if i in deleted else b" "
        for (name, kind, size, _), v in zip(fields, values):
            if kind in "NF":
                row += v.rjust(size, b" ")
            else:
                row += v.ljust(size, b" ")
        assert len(row) == length, (row, length)
        out += row
    return out + b"\x1A"


def dbase3_memo(texts):
    """A dBase III memo file: block 0 holds the next free block; each memo
    starts a block and ends with 0x1A 0x1A. Gives the file and the blocks."""
    blocks, body, next_block = [], b"", 1
    for t in texts:
        blocks.append(next_block)
        chunk = t + b"\x1A\x1A"
        chunk += b"\0" * (-len(chunk) % 512)
        body += chunk
        next_block += len(chunk) // 512
    head = struct.pack("<I", next_block).ljust(512, b"\0")
    return head + body, blocks


def dbase4_memo(texts, block=64):
    """A dBase IV memo file: the block size at offset 20; each memo starts
    with FF FF 08 00 and its length (the 8 bytes included)."""
    blocks, body, next_block = [], b"", 512 // block
    for t in texts:
        blocks.append(next_block)
        chunk = b"\xFF\xFF\x08\x00" + struct.pack("<I", len(t) + 8) + t
        chunk += b"\0" * (-len(chunk) % block)
        body += chunk
        next_block += len(chunk) // block
    head = struct.pack("<I", next_block) + b"\0" * 16 + struct.pack("<H", block)
    return head.ljust(512, b"\0") + body, blocks


def write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    # The affix word list: Word in glyph bytes (some above 0x7F), a SortWord
    # that is wrong on purpose, and a deleted record.
    words = [b"eo", b"\xE6oI", b"p\x9Aj", b"xyz"]
    write(HERE, "wordlist1a.dbf", dbf(
        0x03, [("Word", "C", 20, 0), ("SortWord", "C", 20, 0)],
        [[w, b"stale"] for w in words], deleted={3}))

    # The Punjabi-English dictionary with its meanings in a dBase III memo file.
    memo, blocks = dbase3_memo([b"to do, to make; to perform", b"house, home"])
    write(HERE, "pbi_to_eng.dbt", memo)
    write(HERE, "pbi_to_eng.dbf", dbf(
        0x83, [("WORD", "C", 30, 0), ("TYPE", "C", 10, 0), ("MEANING", "M", 10, 0)],
        [[b"eo", b"verb", str(blocks[0]).encode()], [b"Go", b"noun", str(blocks[1]).encode()]]))

    # A dBase IV table with every field type and a dBase IV memo file.
    memo4, blocks4 = dbase4_memo([b"first note \xE6\xFF", b"second"])
    write(HERE, "types4.dbt", memo4)
    write(HERE, "types4.dbf", dbf(
        0x8B, [("NAME", "C", 8, 0), ("COUNT", "N", 5, 0), ("PRICE", "N", 8, 2), ("OK", "L", 1, 0),
               ("DAY", "D", 8, 0), ("NOTE", "M", 10, 0)],
        [[b"one", b"42", b"3.50", b"T", b"20261210", str(blocks4[0]).encode()],
         [b"two", b"", b"-0.25", b"?", b"", str(blocks4[1]).encode()]]))

    # Broken files: a header that promises more records than the file holds,
    # a record length that the fields do not make, a memo block outside its file.
    fields = [("Word", "C", 10, 0)]
    good = dbf(0x03, fields, [[b"one"], [b"two"], [b"three"]])
    write(BAD, "dbase_truncated.dbf", good[:32 + 32 + 1 + 11 * 2 + 4])
    write(BAD, "dbase_lying_header.dbf", dbf(0x03, fields, [[b"one"]], record_length=40))
    memo, _ = dbase3_memo([b"only one"])
    write(BAD, "dbase_bad_memo.dbt", memo)
    write(BAD, "dbase_bad_memo.dbf", dbf(0x83, [("NOTE", "M", 10, 0)], [[b"99"]]))


if __name__ == "__main__":
    main()
