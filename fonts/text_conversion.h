// Conversions of whole texts in one legacy font to and from Unicode, ISCII
// and Devanagari Unicode, word by word as the document export and import do
// them: the glyph bytes from 0x21 up form words, which go through the pivot
// encoding; spaces, control bytes and line ends stay as they are (a CR LF
// pair stays one line end). The command line converts with these, and the
// document routines share their word conversions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/bytes.h"
#include "common/text_builder.h"
#include "common/word_cache.h"
#include "fonts/conversion.h"

namespace quilm {

enum class UnicodeScript { Gurmukhi, Devanagari };

// One word of legacy glyph bytes of font index `font` into Unicode.
void append_legacy_word_as_unicode(BytesView word, int font, const FontConverter& converter,
                                   UnicodeScript script, std::u16string& out);
// Legacy text into Unicode: words converted, every other byte as itself.
// The words of the text share one reading buffer (FontConverter::word_reader)
// and one output buffer; the result is that of append_legacy_word_as_unicode
// word by word.
std::u16string legacy_text_to_unicode(BytesView text, int font, const FontConverter& converter,
                                      UnicodeScript script);

// One word, and a text, of legacy glyph bytes into ISCII.
void append_legacy_word_as_iscii(BytesView word, int font, const FontConverter& converter, Bytes& out);
Bytes legacy_text_to_iscii(BytesView text, int font, const FontConverter& converter);

// Unicode text into font index `font`, as the Unicode import reads it:
// Gurmukhi runs through the pivot encoding into the font's glyph bytes,
// Latin letters as they stand. Text without fonts cannot set separators in
// an English font as the import does, so punctuation is written as the
// font's glyph of the same mark (spaces, controls and characters the pivot
// lacks stay as they are). The result is editor text: a glyph byte b is the
// character U+00bb, other characters are themselves.
std::u16string unicode_text_to_legacy(std::u16string_view text, int font, const FontConverter& converter);

// Legacy text of one font into Unicode, as UTF-8 bytes (Unit char) or
// UTF-16 units (char16_t), for texts in turn (the blocks of a long file):
// each text as legacy_text_to_unicode converts it (in Gurmukhi), written
// from the pivot bytes straight into the form asked for. A word's Unicode
// depends on nothing but its bytes, so the words converted so far are kept
// in a cache (common/word_cache.h), sized by the expected size of all the
// texts together, and a word met again is copied from there.
template <typename Unit>
class LegacyUnicodeWriter {
 public:
  LegacyUnicodeWriter(int font, const FontConverter& converter, std::size_t total_size);
  ~LegacyUnicodeWriter();
  // Appends the Unicode of `text` to `out`.
  void append(BytesView text, std::basic_string<Unit>& out);
  void append(BytesView text, TextBuilder<Unit>& out);

 private:
  int font_;
  const FontConverter& converter_;
  std::optional<WordCache<Unit>> cache_;
  Bytes prepared_;  // a word that needs the export preparation
};

// Legacy text into UTF-8, appended to `out`: the characters that
// legacy_text_to_unicode writes in Gurmukhi, written from the pivot bytes
// without passing through UTF-16.
void append_legacy_text_as_utf8(BytesView text, int font, const FontConverter& converter, Bytes& out);

// UTF-8 text (valid: see first_non_utf8_byte in encoding/utf16.h) into font
// index `font`, appended to `out` as bytes: the text unicode_text_to_legacy
// gives, with its glyphs and every character below U+0100 as one byte each
// and every other character as its UTF-8, as it stood. The writer context
// runs on through the whole text, or starts afresh after each line feed
// when the lines are texts of their own.
enum class LineContext { RunsOn, Apart };
void append_utf8_text_as_legacy(BytesView utf8, int font, const FontConverter& converter, Bytes& out,
                                LineContext lines = LineContext::RunsOn);
void append_utf8_text_as_legacy(BytesView utf8, int font, const FontConverter& converter, ByteBuilder& out,
                                LineContext lines = LineContext::RunsOn);

// ISCII bytes into font index `font`, as the ISCII import reads them:
// Gurmukhi runs through ISCIItoGur and the choice of tippi or bindi, ASCII
// letters as they stand, punctuation as the font's glyph of the same mark.
Bytes iscii_text_to_legacy(BytesView iscii, int font, const FontConverter& converter);

}  // namespace quilm
