// Text conversions, one legacy font at a time.
#include "fonts/text_conversion.h"

#include "common/utf16_builder.h"
#include "encoding/devanagari.h"
#include "encoding/export_preparation.h"
#include "encoding/iscii.h"
#include "encoding/iscii_runs.h"
#include "encoding/tippi_bindi.h"
#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "encoding/unicode_runs.h"
#include "fonts/conversion_buffer.h"
#include "fonts/font_index.h"
#include "fonts/word_conversion.h"

namespace quilm {
namespace {

bool is_glyph(std::uint8_t b) { return b >= 0x21; }

// Calls word(w) for every stretch of glyph bytes and other(b) for every
// other byte, in order.
template <typename Word, typename Other>
void walk_words(BytesView text, Word word, Other other) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && is_glyph(byte_at(text, i))) continue;
    if (i > start) word(text.substr(start, i - start));
    if (i < text.size()) other(byte_at(text, i));
    start = i + 1;
  }
}

// A separator of Unicode or ISCII text in a legacy font: the glyph bytes of
// the same punctuation mark, or nothing when the character stays as it
// stands (spaces, controls, characters the pivot encoding lacks).
// The pivot byte is kept in `pivot_byte`, the caller's: a writer that passes
// the text through returns a view of it.
std::optional<BytesView> separator_glyphs(char16_t c, WordWriter& writer, char& pivot_byte) {
  const std::optional<std::uint8_t> pivot = pivot_punctuation_byte(c);
  if (!pivot || c < 0x21) return std::nullopt;
  pivot_byte = static_cast<char>(*pivot);
  return writer.write(BytesView(&pivot_byte, 1));
}

// Glyph bytes as editor text: byte b is the character U+00bb.
void append_glyphs(BytesView glyphs, Utf16Builder& out) {
  char16_t* cursor = out.room(glyphs.size());
  for (char g : glyphs) *cursor++ = static_cast<unsigned char>(g);
  out.advance_to(cursor);
}

void append_pivot_word_as_unicode(Bytes& pivot, UnicodeScript script, std::u16string& out) {
  if (script == UnicodeScript::Devanagari) return GurToHindiUnicode(pivot, out);
  prepare_for_export_in_place(pivot);
  write_prepared_as_unicode(pivot, out);
}

}  // namespace

void append_legacy_word_as_unicode(BytesView word, int font, const FontConverter& converter,
                                   UnicodeScript script, std::u16string& out) {
  Bytes pivot = converter.to_pivot(word, font);
  append_pivot_word_as_unicode(pivot, script, out);
}

std::u16string legacy_text_to_unicode(BytesView text, int font, const FontConverter& converter,
                                      UnicodeScript script) {
  Utf16Builder out(text.size() + text.size() / 4);
  WordReader reader = converter.word_reader(font, text.size());
  Bytes prepared;
  std::u16string devanagari;
  auto write_unicode = [&](BytesView ready) {
    out.advance_to(write_prepared_as_unicode(ready, out.room(ready.size() * kUnicodeUnitsPerPivotByte)));
  };
  walk_words(
      text,
      [&](BytesView w) {
        const BytesView pivot = reader.read_word(w);
        if (script == UnicodeScript::Devanagari) {
          devanagari.clear();
          GurToHindiUnicode(pivot, devanagari);
          return out.append(devanagari);
        }
        if (!needs_preparation_for_export(pivot)) return write_unicode(pivot);
        prepared.assign(pivot);
        prepare_for_export_in_place(prepared);
        write_unicode(prepared);
      },
      [&](std::uint8_t b) { out.push(b); });
  return out.take();
}

void append_legacy_word_as_iscii(BytesView word, int font, const FontConverter& converter, Bytes& out) {
  out += GurToISCII(converter.to_pivot(word, font));
}

Bytes legacy_text_to_iscii(BytesView text, int font, const FontConverter& converter) {
  Bytes out;
  out.reserve(text.size() * 2);
  WordReader reader = converter.word_reader(font, text.size());
  walk_words(
      text, [&](BytesView w) { out += GurToISCII(reader.read_word(w)); },
      [&](std::uint8_t b) { out.push_back(static_cast<char>(b)); });
  return out;
}

std::u16string unicode_text_to_legacy(std::u16string_view text, int font, const FontConverter& converter) {
  Utf16Builder out(text.size());
  const std::size_t longest_pivot = text.size() * kPivotBytesPerUnicodeUnit;
  WordWriter writer = converter.word_writer(font, longest_pivot);
  ConversionBuffer pivot(longest_pivot);
  for (std::size_t start = 0; start < text.size();) {
    if (text[start] == u' ') {  // the commonest separator, which stays as it is
      out.push(u' ');
      ++start;
      continue;
    }
    const UnicodePiece piece = next_unicode_piece(text, start);
    if (piece.kind == UnicodePiece::Kind::Latin) {
      out.append(piece.text);
      continue;
    }
    if (piece.kind == UnicodePiece::Kind::Separator) {
      char pivot_byte = 0;
      if (const std::optional<BytesView> glyphs = separator_glyphs(piece.text[0], writer, pivot_byte))
        append_glyphs(*glyphs, out);
      else out.push(piece.text[0]);
      continue;
    }
    auto* room = reinterpret_cast<char*>(pivot.data());
    append_glyphs(writer.write(BytesView(room, UniCodetoGur(piece.text, room))), out);
  }
  return out.take();
}

Bytes iscii_text_to_legacy(BytesView iscii, int font, const FontConverter& converter) {
  Bytes out;
  out.reserve(iscii.size());
  WordWriter writer = converter.word_writer(font, iscii.size());
  for (const IsciiPiece& piece : split_iscii_runs(iscii)) {
    if (piece.kind == IsciiPiece::Kind::Gurmukhi) {
      out += writer.write(convert_tippi_bindi(ISCIItoGur(piece.bytes)));
    } else if (piece.kind == IsciiPiece::Kind::Separator) {
      char pivot_byte = 0;
      const std::optional<BytesView> glyphs =
          separator_glyphs(static_cast<unsigned char>(piece.bytes[0]), writer, pivot_byte);
      if (glyphs) out += *glyphs;
      else out += piece.bytes[0];
    } else {
      out += piece.bytes;
    }
  }
  return out;
}

}  // namespace quilm
