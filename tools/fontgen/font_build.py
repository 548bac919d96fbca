"""Writes one TrueType font: the source font's outlines, a glyph per byte
built from them (composite glyphs, so no outline is copied twice), a cmap
from byte values to those glyphs and names of the project's own.

A byte b is mapped at U+00bb, where the editor keeps legacy text; bytes
0x80..0x9F also at their Windows-1252 characters, and every byte at U+F0bb,
where symbol fonts put them, because documents reach us in all three ways."""

from fontTools import subset
from fontTools.ttLib import newTable
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4
from fontTools.ttLib.tables._g_l_y_f import Glyph, GlyphComponent

ROUND_XY_TO_GRID = 0x0004
WINDOWS_1252_HIGH = bytes(range(0x80, 0xA0)).decode("cp1252", errors="replace")
SYMBOL_FONT_BASE = 0xF000
DROPPED_NAME_IDS = (7, 16, 17, 18, 21, 22, 25)  # trademark, typographic and variation names
SHAPING_TABLES = ("GSUB", "GPOS", "GDEF", "FFTM")


def glyph_name(byte):
    return f"quilm.{byte:02X}"


def code_points(byte):
    points = [byte, SYMBOL_FONT_BASE + byte]
    if 0x80 <= byte < 0xA0 and WINDOWS_1252_HIGH[byte - 0x80] != "\ufffd":
        points.append(ord(WINDOWS_1252_HIGH[byte - 0x80]))
    return points


def _composite(components):
    if not components:
        g = Glyph()
        g.numberOfContours = 0
        return g
    g = Glyph()
    g.numberOfContours = -1
    g.components = []
    for name, x, y, *scale in components:
        c = GlyphComponent()
        c.glyphName, c.x, c.y, c.flags = name, int(x), int(y), ROUND_XY_TO_GRID
        if scale:
            c.transform = [[scale[0], 0], [0, scale[0]]]
        g.components.append(c)
    return g


def _add_byte_glyphs(font, drawings):
    glyf, hmtx = font["glyf"], font["hmtx"]
    order = list(font.getGlyphOrder())
    for byte, d in sorted(drawings.items()):
        name = glyph_name(byte)
        order.append(name)
        glyf.glyphs[name] = _composite(d.components)
        hmtx.metrics[name] = (max(0, int(d.advance)), 0)
    font.setGlyphOrder(order)
    glyf.glyphOrder = order
    for name in order[len(order) - len(drawings):]:
        g = glyf[name]
        g.recalcBounds(glyf)
        hmtx.metrics[name] = (hmtx.metrics[name][0], getattr(g, "xMin", 0))


def _set_cmap(font, drawings):
    mapping = {cp: glyph_name(b) for b in drawings for cp in code_points(b)}
    table = newTable("cmap")
    table.tableVersion = 0
    table.tables = []
    for platform, encoding in ((0, 3), (3, 1)):
        sub = cmap_format_4(4)
        sub.platformID, sub.platEncID, sub.language = platform, encoding, 0
        sub.cmap = dict(mapping)
        table.tables.append(sub)
    font["cmap"] = table


def _keep_only_byte_glyphs(font, drawings):
    options = subset.Options()
    options.glyph_names = True
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.layout_features = []
    options.drop_tables += list(SHAPING_TABLES)
    subsetter = subset.Subsetter(options)
    subsetter.populate(glyphs=[glyph_name(b) for b in drawings])
    subsetter.subset(font)


def _set_names(font, family, version_note, script):
    name = font["name"]
    for record in list(name.names):
        if record.nameID in DROPPED_NAME_IDS:
            name.removeNames(nameID=record.nameID)
    postscript = "".join(c for c in family if c.isalnum() or c in "-_")[:63]
    version = name.getDebugName(5) or "Version 1.0"
    for name_id, value in ((1, family), (2, "Regular"), (3, f"{family};{version_note}"),
                           (4, family), (5, f"{version}; {version_note}"), (6, postscript)):
        name.removeNames(nameID=name_id)
        name.setName(value, name_id, 3, 1, 0x409)
        name.setName(value, name_id, 1, 0, 0)
    copyright = name.getDebugName(0) or ""
    name.removeNames(nameID=0)
    notice = copyright.strip() + f"\nGlyphs arranged by legacy {script} byte values: {version_note}."
    name.setName(notice, 0, 3, 1, 0x409)
    name.setName(notice, 0, 1, 0, 0)
    font["post"].formatType = 2.0


def _set_char_range(font):
    points = sorted(font.getBestCmap())
    os2 = font["OS/2"]
    os2.usFirstCharIndex, os2.usLastCharIndex = points[0], min(points[-1], 0xFFFF)
    os2.recalcUnicodeRanges(font)
    os2.ulCodePageRange1 |= 1  # Latin 1: the byte values live there


def write_font(source_font, drawings, family, path, version_note, script="Gurmukhi"):
    """`source_font` is a freshly loaded TTFont, changed in place;
    `drawings` maps byte values to drawing.Drawing."""
    for tag in SHAPING_TABLES:
        if tag in source_font:
            del source_font[tag]
    _add_byte_glyphs(source_font, drawings)
    _set_cmap(source_font, drawings)
    _keep_only_byte_glyphs(source_font, drawings)
    _set_names(source_font, family, version_note, script)
    _set_char_range(source_font)
    source_font.save(path)
