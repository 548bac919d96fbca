#!/usr/bin/env python3
"""Writes the help page of the keyboard layouts: for each layout, every key of
the keyboard with the Gurmukhi it types, asked of `quilm-cli type`.

usage: keyboard_tables.py QUILM_CLI OUT.html
"""
import html
import os
import subprocess
import sys

# The rows of a US keyboard: each key unshifted and shifted.
ROWS = [
    ("`1234567890-=", "~!@#$%^&*()_+"),
    ("qwertyuiop[]\\", "QWERTYUIOP{}|"),
    ("asdfghjkl;'", 'ASDFGHJKL:"'),
    ("zxcvbnm,./", "ZXCVBNM<>?"),
]

LAYOUTS = [
    ("romanised", "Romanised Punjabi",
     "Punjabi typed phonetically: each Roman letter gives the Gurmukhi letter that sounds like it; "
     "vowel keys after a consonant give its vowel sign."),
    ("default", "Default (Quilm2010)",
     "The key layout of the font at the caret; this table shows it for the program's own font Quilm2010."),
]


def typed(cli, layout, keys):
    """The Unicode text each key types on its own into an empty document."""
    result = subprocess.run([cli, "type", "--layout", layout, "--to", "unicode"],
                            input="".join(k + "\n" for k in keys), capture_output=True,
                            text=True, encoding="utf-8", check=True)
    lines = result.stdout.split("\n")
    return dict(zip(keys, lines))


def cell(key, glyph):
    shown = glyph if glyph and glyph != key else ""
    return ('<td><span class="key">%s</span> <span class="glyph">%s</span></td>'
            % (html.escape(key), html.escape(shown)))


def layout_section(cli, layout, title, note):
    keys = [k for row in ROWS for part in row for k in part]
    glyphs = typed(cli, layout, keys)
    out = ["<h2>%s</h2>" % html.escape(title), "<p>%s</p>" % html.escape(note)]
    out.append('<table class="keyboard">')
    for plain, shifted in ROWS:
        out.append("<tr><th>Shift</th>" + "".join(cell(k, glyphs.get(k, "")) for k in shifted) + "</tr>")
        out.append("<tr><th></th>" + "".join(cell(k, glyphs.get(k, "")) for k in plain) + "</tr>")
    out.append("</table>")
    return "\n".join(out)


def main():
    cli, target = sys.argv[1], sys.argv[2]
    sections = [layout_section(cli, *layout) for layout in LAYOUTS]
    page = """<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Keyboard layouts</title>
<link rel="stylesheet" href="help.css"></head>
<body>
<p class="nav"><a href="index.html">Contents</a> · <a href="typing.html">Typing Gurmukhi</a></p>
<h1>Keyboard layouts</h1>
<p>Each key shows the Gurmukhi it types on its own while the language is Punjabi
(<kbd>Ctrl+L</kbd> toggles it); a key with no Gurmukhi types itself. The layout is
chosen in <a href="options.html">Options</a>.</p>
%s
</body></html>
""" % "\n".join(sections)
    with open(target + ".tmp", "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(target + ".tmp", target)


if __name__ == "__main__":
    main()
