#include "roman/pad_paste.h"

#include "encoding/unicode_output.h"
#include "fonts/font_index.h"
#include "spell/spell_check_run.h"

namespace quilm {

std::u16string pad_text_in_font(const TypingPad& pad, std::string_view font_name, const FontRegistry& registry,
                                const FontConverter& converter) {
  const bool glyphs = registry.check_font_punjabi(font_name);
  const int index = glyphs ? registry.get_font_index(font_name) : 0;
  std::u16string out;
  for (const TypingPad::Piece& piece : pad.gurmukhi_pieces()) {
    if (piece.pivot.empty()) out += piece.other;
    else if (glyphs) out += bytes_as_chars(converter.conversion(piece.pivot, font_index::kPivot, index, false));
    else out += GurToUnicode(piece.pivot);
  }
  return out;
}

Status paste_pad_text(const TypingPad& pad, Editor& editor, const std::string& font_name,
                      const FontRegistry& registry, const FontConverter& converter) {
  const std::u16string text = pad_text_in_font(pad, font_name, registry, converter);
  if (text.empty()) return Status::Error(kNothingToPasteMessage);
  editor.BeginEditGroup();
  editor.SetSelLength(0);
  const std::string before = editor.FontName();
  editor.SetFontName(font_name);
  editor.SetSelText(text);
  editor.SetFontName(before);
  editor.EndEditGroup();
  return Status::Ok();
}

}  // namespace quilm
