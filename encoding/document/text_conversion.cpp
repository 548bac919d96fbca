// Text conversions, one legacy font at a time.
#include "encoding/document/text_conversion.h"

#include <memory>

#include "common/utf16_builder.h"
#include "encoding/devanagari.h"
#include "encoding/export_preparation.h"
#include "encoding/iscii.h"
#include "encoding/iscii_runs.h"
#include "encoding/tippi_bindi.h"
#include "encoding/unicode_input.h"
#include "encoding/unicode_output.h"
#include "encoding/unicode_runs.h"
#include "fonts/conversion_tables.h"
#include "fonts/font_index.h"
#include "fonts/reader.h"

namespace quilm {
namespace {

bool is_glyph(std::uint8_t b) { return b >= 0x21; }

// A separator of Unicode or ISCII text in a legacy font: the glyph bytes of
// the same punctuation mark, else the character as it stands.
void append_separator(char16_t c, int font, const FontConverter& converter, std::u16string& out) {
  const std::optional<std::uint8_t> pivot = pivot_punctuation_byte(c);
  if (!pivot || c < 0x21) {
    out.push_back(c);
    return;
  }
  const char byte = static_cast<char>(*pivot);
  for (char g : converter.from_pivot(BytesView(&byte, 1), font)) out.push_back(static_cast<unsigned char>(g));
}

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

// Reads the words of one text of a legacy font into the pivot encoding, as
// FontConverter::to_pivot does, into room that all the words share.
class WordReader {
 public:
  WordReader(int font, std::size_t text_size) : reader_(reader_for_font(font)) {
    if (reader_) room_ = std::make_unique_for_overwrite<std::uint8_t[]>(pivot_room(*reader_, text_size));
  }

  // `word` holds glyph bytes only, so no zero byte. The result lives until
  // the next call.
  BytesView read(BytesView word) const {
    if (!reader_) return word;
    return {reinterpret_cast<const char*>(room_.get()), read_glyphs_into(*reader_, word, room_.get())};
  }

 private:
  const ReaderTable* reader_;
  std::unique_ptr<std::uint8_t[]> room_;
};

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

std::u16string legacy_text_to_unicode(BytesView text, int font, UnicodeScript script) {
  Utf16Builder out(text.size() + text.size() / 4);
  const WordReader reader(font, text.size());
  Bytes prepared;
  std::u16string devanagari;
  auto write_unicode = [&](BytesView ready) {
    out.advance_to(write_prepared_as_unicode(ready, out.room(ready.size() * kUnicodeUnitsPerPivotByte)));
  };
  walk_words(
      text,
      [&](BytesView w) {
        const BytesView pivot = reader.read(w);
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

Bytes legacy_text_to_iscii(BytesView text, int font) {
  Bytes out;
  out.reserve(text.size() * 2);
  const WordReader reader(font, text.size());
  walk_words(
      text, [&](BytesView w) { out += GurToISCII(reader.read(w)); },
      [&](std::uint8_t b) { out.push_back(static_cast<char>(b)); });
  return out;
}

std::u16string unicode_text_to_legacy(std::u16string_view text, int font, const FontConverter& converter) {
  std::u16string out;
  out.reserve(text.size());
  Bytes pivot;
  for (const UnicodePiece& piece : split_unicode_runs(text)) {
    if (piece.kind == UnicodePiece::Kind::Separator) {
      append_separator(piece.text[0], font, converter, out);
      continue;
    }
    if (piece.kind == UnicodePiece::Kind::Latin) {
      out += piece.text;
      continue;
    }
    pivot.clear();
    UniCodetoGur(piece.text, pivot);
    for (char c : converter.from_pivot(pivot, font)) out.push_back(static_cast<unsigned char>(c));
  }
  return out;
}

Bytes iscii_text_to_legacy(BytesView iscii, int font, const FontConverter& converter) {
  Bytes out;
  out.reserve(iscii.size());
  for (const IsciiPiece& piece : split_iscii_runs(iscii)) {
    if (piece.kind == IsciiPiece::Kind::Gurmukhi) {
      out += converter.from_pivot(convert_tippi_bindi(ISCIItoGur(piece.bytes)), font);
    } else if (piece.kind == IsciiPiece::Kind::Separator) {
      std::u16string glyphs;
      append_separator(static_cast<unsigned char>(piece.bytes[0]), font, converter, glyphs);
      for (char16_t g : glyphs) out.push_back(static_cast<char>(g));
    } else {
      out += piece.bytes;
    }
  }
  return out;
}

}  // namespace quilm
