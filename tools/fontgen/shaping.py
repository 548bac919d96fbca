"""Shapes Unicode Gurmukhi with HarfBuzz (hb-shape) in the source font, so
that conjuncts, subjoined forms and mark positions come from the font's own
GSUB and GPOS rules. All texts go through one hb-shape run."""

import json
import os
import subprocess
import tempfile
from dataclasses import dataclass


@dataclass
class ShapedGlyph:
    name: str   # glyph name in the source font
    x: int      # where the glyph is drawn, from the start of the run
    y: int
    advance: int


def shape_texts(hb_shape, font_path, texts):
    """A dict from each text to its list of ShapedGlyph."""
    texts = sorted(set(t for t in texts if t))
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as f:
        f.write("\n".join(texts) + "\n")
        listing = f.name
    try:
        out = subprocess.run(
            [hb_shape, f"--font-file={font_path}", f"--text-file={listing}", "--output-format=json"],
            check=True, capture_output=True, text=True).stdout
    finally:
        os.unlink(listing)
    runs = [line for line in out.splitlines() if line.strip()]
    if len(runs) != len(texts):
        raise RuntimeError(f"hb-shape gave {len(runs)} runs for {len(texts)} texts")
    return {text: _placed(json.loads(run)) for text, run in zip(texts, runs)}


def _placed(glyphs):
    pen, placed = 0, []
    for g in glyphs:
        placed.append(ShapedGlyph(g["g"], pen + g["dx"], g["dy"], g["ax"]))
        pen += g["ax"]
    return placed
