// Symbol insertion: the glyphs of an on-screen key (or of any glyph button),
// given in the Quilm encoding, put where the user is typing, in the font of
// that place. A box of a tool window takes them appended; the editor takes
// them at the caret, through the on-screen legality check when the check
// option is on.
#pragma once

#include <string>

#include "common/bytes.h"
#include "fonts/conversion.h"
#include "fonts/registry.h"
#include "typing/keyboard.h"

namespace quilm::typing {

// The glyphs of `quilm` as the characters of text in the font `font_name`:
// converted into its font index when it is a Gurmukhi font, else Unicode
// Gurmukhi (a font that draws Unicode, or any other: the glyph bytes of one
// encoding would show as stray Latin letters there).
std::u16string symbol_in_font(BytesView quilm, const std::string& font_name, const FontRegistry& fonts,
                              const FontConverter& converter);

// The font the editor takes for a symbol when its caret font is neither a
// Gurmukhi font nor the Unicode Gurmukhi font.
struct PunjabiDefault {
  std::string font;
  int size = 0;
  std::string unicode_font = std::string(kUnicodeGurmukhiFont);
};

enum class SymbolResult {
  Inserted,  // the whole symbol (its first glyph perhaps changed by the check)
  Composed,  // the first glyph joined the glyph before the caret; the rest was inserted
  Refused,   // the check refused the first glyph: nothing was inserted (a beep)
};

// Inserts `quilm` at the editor's caret (replacing the selection) in the
// caret font; see PunjabiDefault for a caret font of no Gurmukhi encoding.
SymbolResult insert_symbol(Keyboard& kb, BytesView quilm, const PunjabiDefault& fallback);

}  // namespace quilm::typing
