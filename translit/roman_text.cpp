#include "translit/roman_text.h"

#include "encoding/unicode_input.h"
#include "encoding/unicode_runs.h"
#include "fonts/font_index.h"
#include "translit/roman_tables.h"

namespace quilm {
namespace {

void append_word(BytesView glyphs, int font, const RomanTextTools& tools, std::string& roman) {
  const RomanWord& word = tools.spellings->of(font, glyphs, [&] {
    return transliterate_word(tools.converter.conversion(glyphs, font, font_index::kPivot, true), tools.exceptions);
  });
  if (tools.counts) ++(word.source == RomanSource::Exception ? tools.counts->exceptions : tools.counts->rules);
  roman += word.roman;
}

// A separator that reads as a blank or as nothing is copied as it is (line
// ends, blanks); any other (a danda, a digit) is transliterated. Separators
// are not words: they are kept apart from them, and not counted.
RomanWord spell_separator(char separator, int font, const RomanTextTools& tools) {
  const Bytes pivot = tools.converter.conversion(BytesView(&separator, 1), font, font_index::kPivot, true);
  if (pivot.empty() || pivot == " ") return {std::string(1, separator), RomanSource::Rules};
  return transliterate_word(pivot, tools.exceptions);
}

void append_separator(char separator, int font, const RomanTextTools& tools, std::string& roman) {
  // Kept under a zero byte and itself: no word holds a zero byte, so a
  // separator's spelling is never taken for a word's.
  const char key[2] = {'\0', separator};
  roman += tools.spellings->of(font, BytesView(key, 2), [&] { return spell_separator(separator, font, tools); }).roman;
}

}  // namespace

void append_roman_of_font_text(BytesView text, int font, const RomanTextTools& tools, std::string& roman) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && is_roman_word_char(font, byte_at(text, end))) ++end;
    if (end > i) {
      append_word(text.substr(i, end - i), font, tools, roman);
      i = end;
    }
    if (i < text.size()) append_separator(text[i++], font, tools, roman);
  }
}

void append_roman_as_utf16(std::string_view roman, std::u16string& out) {
  for (char c : roman) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b == 0x91) {
      out += u'\u2018';
    } else if (b == 0x92) {
      out += u'\u2019';
    } else {
      out += static_cast<char16_t>(b);
    }
  }
}

std::u16string roman_of_unicode_text(std::u16string_view text, const RomanTextTools& tools) {
  std::u16string out;
  std::string roman;
  for (const UnicodePiece& piece : split_unicode_runs(text)) {
    if (piece.kind != UnicodePiece::Kind::Gurmukhi) {
      out += piece.text;
      continue;
    }
    roman.clear();
    append_roman_of_font_text(UniCodetoGur(piece.text), font_index::kPivot, tools, roman);
    append_roman_as_utf16(roman, out);
  }
  return out;
}

}  // namespace quilm
