// Text conversions, one legacy font at a time.
#include "fonts/text_conversion.h"

#include "common/text_builder.h"
#include "common/word_cache.h"

#include <array>
#include <optional>

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

// Room enough for the cache of texts of `size` bytes in all: none for a
// short text, up to 2^15 slots (half a megabyte) for a long one (a word and
// its space take about five bytes).
unsigned cache_slots_log2(std::size_t size) {
  constexpr std::size_t kShortText = 4096;
  if (size < kShortText) return 0;
  unsigned log2 = 10;
  while (log2 < 17 && (std::size_t{1} << log2) < size / 4) ++log2;
  return log2;
}

// The output rules into each form of Unicode.
template <typename Unit>
struct UnicodeForm;
template <>
struct UnicodeForm<char16_t> {
  static constexpr std::size_t kMostPerByte = kUnicodeUnitsPerPivotByte;
  static char16_t* write(BytesView ready, char16_t* out) { return write_prepared_as_unicode(ready, out); }
};
template <>
struct UnicodeForm<char> {
  static constexpr std::size_t kMostPerByte = kUtf8BytesPerPivotByte;
  static char* write(BytesView ready, char* out) { return write_prepared_as_utf8(ready, out); }
};

}  // namespace

void append_legacy_word_as_unicode(BytesView word, int font, const FontConverter& converter,
                                   UnicodeScript script, std::u16string& out) {
  Bytes pivot = converter.to_pivot(word, font);
  append_pivot_word_as_unicode(pivot, script, out);
}

template <typename Unit>
LegacyUnicodeWriter<Unit>::LegacyUnicodeWriter(int font, const FontConverter& converter, std::size_t total_size)
    : font_(font), converter_(converter) {
  if (const unsigned slots_log2 = cache_slots_log2(total_size)) cache_.emplace(slots_log2);
}

template <typename Unit>
LegacyUnicodeWriter<Unit>::~LegacyUnicodeWriter() = default;

template <typename Unit>
void LegacyUnicodeWriter<Unit>::append(BytesView text, std::basic_string<Unit>& out) {
  out.reserve(out.size() + text.size() * 3);  // a Gurmukhi letter takes three bytes of UTF-8
  TextBuilder<Unit> builder(std::move(out));
  append(text, builder);
  out = builder.take();
}

template <typename Unit>
void LegacyUnicodeWriter<Unit>::append(BytesView text, TextBuilder<Unit>& builder) {
  using Form = UnicodeForm<Unit>;
  using Cache = WordCache<Unit>;
  WordReader reader = converter_.word_reader(font_, text.size());
  // Writes the conversion of `w` and returns it.
  auto convert = [&](BytesView w) {
    const BytesView pivot = reader.read_word(w);
    BytesView ready = pivot;
    if (needs_preparation_for_export(pivot)) {
      prepared_.assign(pivot);
      prepare_for_export_in_place(prepared_);
      ready = prepared_;
    }
    Unit* start = builder.room(ready.size() * Form::kMostPerByte + Cache::kCopyPiece);
    Unit* end = Form::write(ready, start);
    builder.advance_to(end);
    return std::basic_string_view<Unit>(start, static_cast<std::size_t>(end - start));
  };
  walk_words(
      text,
      [&](BytesView w) {
        if (!cache_ || !Cache::fits(w)) return static_cast<void>(convert(w));
        const typename Cache::Key key = Cache::key_of(w);
        if (const std::basic_string_view<Unit> kept = cache_->find(key); kept.data())
          return builder.advance_to(Cache::copy(kept, builder.room(kept.size() + Cache::kCopyPiece)));
        cache_->keep(key, convert(w));
      },
      [&](std::uint8_t b) { builder.push(static_cast<Unit>(b)); });
}

template class LegacyUnicodeWriter<char>;
template class LegacyUnicodeWriter<char16_t>;

std::u16string legacy_text_to_unicode(BytesView text, int font, const FontConverter& converter,
                                      UnicodeScript script) {
  std::u16string out;
  if (script == UnicodeScript::Gurmukhi) {
    LegacyUnicodeWriter<char16_t>(font, converter, text.size()).append(text, out);
    return out;
  }
  Utf16Builder builder(text.size() + text.size() / 4);
  WordReader reader = converter.word_reader(font, text.size());
  std::u16string devanagari;
  walk_words(
      text,
      [&](BytesView w) {
        devanagari.clear();
        GurToHindiUnicode(reader.read_word(w), devanagari);
        builder.append(devanagari);
      },
      [&](std::uint8_t b) { builder.push(b); });
  return builder.take();
}

void append_legacy_text_as_utf8(BytesView text, int font, const FontConverter& converter, Bytes& out) {
  LegacyUnicodeWriter<char>(font, converter, text.size()).append(text, out);
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

namespace {

// One character of UTF-8 text known to be valid: its length and value.
struct Utf8Char {
  std::size_t length;
  char32_t c;
};

Utf8Char utf8_char_at(const std::uint8_t* s) {
  const std::uint8_t b = s[0];
  if (b < 0xE0) return {2, static_cast<char32_t>((b & 0x1F) << 6 | (s[1] & 0x3F))};
  if (b < 0xF0) return {3, static_cast<char32_t>((b & 0x0F) << 12 | (s[1] & 0x3F) << 6 | (s[2] & 0x3F))};
  return {4, static_cast<char32_t>((b & 0x07) << 18 | (s[1] & 0x3F) << 12 | (s[2] & 0x3F) << 6 | (s[3] & 0x3F))};
}

// Whether `c` belongs in a Gurmukhi run: a table for the characters up to
// the end of the Gurmukhi block, where nearly all of them are.
bool in_gurmukhi_run(char32_t c) {
  constexpr char16_t kTableEnd = 0x0B00;
  static const std::array<bool, kTableEnd> gurmukhi = [] {
    std::array<bool, kTableEnd> table{};
    for (char16_t u = 0; u < kTableEnd; ++u) table[u] = unicode_kind(u) == UnicodePiece::Kind::Gurmukhi;
    return table;
  }();
  if (c < kTableEnd) return gurmukhi[c];
  return c < 0x10000 && unicode_kind(static_cast<char16_t>(c)) == UnicodePiece::Kind::Gurmukhi;
}

// What a character below U+0100 becomes in a legacy font outside Gurmukhi
// runs: the pivot byte of the same mark for punctuation and digits, none
// for Latin letters, spaces and controls, which stay as they are.
std::array<std::optional<std::uint8_t>, 0x100> separator_pivot_bytes() {
  std::array<std::optional<std::uint8_t>, 0x100> bytes{};
  for (char16_t c = 0x21; c < 0x100; ++c)
    if (unicode_kind(c) == UnicodePiece::Kind::Separator) bytes[c] = pivot_punctuation_byte(c);
  return bytes;
}

}  // namespace

void append_utf8_text_as_legacy(BytesView utf8, int font, const FontConverter& converter, Bytes& out,
                                LineContext lines) {
  out.reserve(out.size() + utf8.size());
  ByteBuilder builder(std::move(out));
  append_utf8_text_as_legacy(utf8, font, converter, builder, lines);
  out = builder.take();
}

void append_utf8_text_as_legacy(BytesView utf8, int font, const FontConverter& converter, ByteBuilder& builder,
                                LineContext lines) {
  static const std::array<std::optional<std::uint8_t>, 0x100> separator_pivot = separator_pivot_bytes();
  auto append = [&](BytesView glyphs) { builder.append(glyphs); };
  WordWriter writer = converter.word_writer(font, utf8.size());
  ConversionBuffer pivot(utf8.size());  // a Gurmukhi character takes three UTF-8 bytes, at most three pivot bytes
  std::u16string run;
  const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const std::size_t n = utf8.size();
  for (std::size_t i = 0; i < n;) {
    const Utf8Char here = s[i] < 0x80 ? Utf8Char{1, s[i]} : utf8_char_at(s + i);
    if (in_gurmukhi_run(here.c)) {
      run.clear();
      Utf8Char next = here;
      do {
        run.push_back(static_cast<char16_t>(next.c));
        i += next.length;
      } while (i < n && s[i] >= 0x80 && in_gurmukhi_run((next = utf8_char_at(s + i)).c));
      auto* room = reinterpret_cast<char*>(pivot.data());
      append(writer.write(BytesView(room, UniCodetoGur(run, room))));
      continue;
    }
    if (here.c < 0x100 && separator_pivot[here.c]) {
      const char pivot_byte = static_cast<char>(*separator_pivot[here.c]);
      append(writer.write(BytesView(&pivot_byte, 1)));
    } else if (here.c < 0x100) {
      builder.push(static_cast<char>(here.c));
      if (here.c == '\n' && lines == LineContext::Apart) converter.context().writer = {};
    } else {
      append(utf8.substr(i, here.length));  // the character as it stands
    }
    i += here.length;
  }
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
