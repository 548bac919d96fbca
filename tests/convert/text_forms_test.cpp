// The whole-text conversions that the command line uses for long files
// write UTF-8 straight from the pivot, keep a cache of converted words and
// read UTF-8 without passing through UTF-16: each must give, byte for byte,
// what the UTF-16 conversions give.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/text_conversion.h"

namespace quilm {
namespace {

Bytes fixture(const char* name) {
  std::ifstream in(std::string(QUILM_SOURCE_DIR) + "/tests/encoding/fixtures/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Glyph bytes of every kind with spaces, controls, zero bytes and CR LF
// pairs among them, from a fixed sequence, so that failures repeat.
Bytes mixed_bytes(std::size_t size) {
  Bytes out;
  std::uint32_t x = 18;
  while (out.size() < size) {
    x = x * 1103515245u + 12345u;
    const std::uint32_t r = (x >> 16) % 100;
    if (r < 80) out.push_back(static_cast<char>(0x21 + (x >> 8) % 0xDF));
    else if (r < 92) out.push_back(' ');
    else if (r < 96) out += "\r\n";
    else out.push_back(static_cast<char>((x >> 8) % 0x21));
  }
  return out;
}

// Legacy texts: real scripture lines, the recorded export words (which hold
// every sign and ligature), and mixed bytes; each long enough for the word
// cache, which works only on long texts, and once short.
std::vector<Bytes> legacy_texts() {
  const Bytes lines = fixture("scripture_lines.txt"), words = fixture("export_words.txt");
  Bytes repeated;
  while (repeated.size() < 20000) repeated += lines;
  return {lines, repeated, words, words + words, mixed_bytes(300), mixed_bytes(50000)};
}

// Editor text of the Unicode import as the command line writes it: glyphs
// and characters below U+0100 as bytes, other characters as UTF-8.
Bytes as_bytes(const std::u16string& editor_text) {
  Bytes out;
  for (char16_t c : editor_text) {
    if (c < 0x100) out.push_back(static_cast<char>(c));
    else append_utf8(std::u16string_view(&c, 1), out);
  }
  return out;
}

const int kFonts[] = {2, 9, 22, 35, 48};

TEST(TextFormsTest, Utf8IsTheUtf16ConversionWrittenStraight) {
  ConversionContext context;
  const FontConverter converter(context);
  for (const int font : kFonts) {
    for (const Bytes& text : legacy_texts()) {
      SCOPED_TRACE("font " + std::to_string(font) + ", " + std::to_string(text.size()) + " bytes");
      const std::u16string unicode = legacy_text_to_unicode(text, font, converter, UnicodeScript::Gurmukhi);
      Bytes utf8 = "kept:";
      append_legacy_text_as_utf8(text, font, converter, utf8);
      EXPECT_EQ(utf8, "kept:" + to_utf8(unicode));
    }
  }
}

// The blocks of a long file share one writer and its cache of words.
TEST(TextFormsTest, TextsInTurnConvertAsEachAlone) {
  ConversionContext context;
  const FontConverter converter(context);
  const std::vector<Bytes> texts = legacy_texts();
  LegacyUnicodeWriter<char> utf8(2, converter, 1 << 20);
  LegacyUnicodeWriter<char16_t> utf16(2, converter, 1 << 20);
  Bytes all_utf8;
  std::u16string all_utf16, expected;
  for (const Bytes& text : texts) {
    utf8.append(text, all_utf8);
    utf16.append(text, all_utf16);
    expected += legacy_text_to_unicode(text, 2, converter, UnicodeScript::Gurmukhi);
  }
  EXPECT_EQ(all_utf16, expected);
  EXPECT_EQ(all_utf8, to_utf8(expected));
}

TEST(TextFormsTest, Utf8IntoAFontAsTheUnicodeImportReadsIt) {
  ConversionContext context;
  const FontConverter converter(context);
  std::vector<std::u16string> unicode_texts = {
      u"Class 7: \u0A2A\u0A70\u0A1C\u0A3E\u0A2C\u0A40 \u2018quoted\u2019 \u201Cmore\u201D\u2026 \u0A66\u0A67, \u00E9\u00A0\u00FF",
      u"\u0915\u093F\u0924\u093E\u092C \uF041\uF0FF \u0A38\u0A3F\u0A71\u0A16 \u0964\u0965\r\n\u20AC\u3000 \u0000x",
  };
  for (const Bytes& text : legacy_texts()) unicode_texts.push_back(legacy_text_to_unicode(text, 2, converter, UnicodeScript::Gurmukhi));
  for (const int font : kFonts) {
    for (const std::u16string& text : unicode_texts) {
      SCOPED_TRACE("font " + std::to_string(font) + ", " + std::to_string(text.size()) + " units");
      context.writer = {};
      const Bytes expected = as_bytes(unicode_text_to_legacy(text, font, converter));
      context.writer = {};
      Bytes legacy = "kept:";
      append_utf8_text_as_legacy(to_utf8(text), font, converter, legacy);
      EXPECT_EQ(legacy, "kept:" + expected);
    }
  }
}

// A character beyond the BMP is one character, not two halves: it stays
// whole (the UTF-16 route wrote each half as U+FFFD).
TEST(TextFormsTest, CharactersBeyondTheBmpStayWhole) {
  ConversionContext context;
  const FontConverter converter(context);
  Bytes legacy;
  append_utf8_text_as_legacy("\u0A15 \U0001F600 \U00010400\u0A15", 2, converter, legacy);
  EXPECT_EQ(legacy, "k \U0001F600 \U00010400k");
}

// Lines that are texts of their own start the writer context afresh, as
// converting them one by one does.
TEST(TextFormsTest, LinesApartStartTheWriterContextAfresh) {
  ConversionContext context;
  const FontConverter converter(context);
  const std::u16string lines = legacy_text_to_unicode(fixture("scripture_lines.txt"), 2, converter,
                                                      UnicodeScript::Gurmukhi);
  Bytes expected;
  for (std::size_t start = 0; start < lines.size();) {
    const std::size_t end = std::min(lines.find(u'\n', start), lines.size());
    context.writer = {};
    append_utf8_text_as_legacy(to_utf8(lines.substr(start, end - start)), 22, converter, expected);
    if (end < lines.size()) expected.push_back('\n');
    start = end + 1;
  }
  context.writer = {};
  Bytes apart;
  append_utf8_text_as_legacy(to_utf8(lines), 22, converter, apart, LineContext::Apart);
  EXPECT_EQ(apart, expected);
}

TEST(TextFormsTest, FirstNonUtf8ByteIsWhereTheDecoderStops) {
  const struct {
    const char* label;
    Bytes text;
  } cases[] = {
      {"ASCII", "plain ASCII text, longer than eight bytes"},
      {"Gurmukhi and a four-byte character", "\u0A2A\u0A70 \U0001F600 ok"},
      {"a lone continuation byte after ASCII", "twelve bytes\x80"},
      {"an overlong form", "ab\xC0\xAF"},
      {"an encoded surrogate", "\xED\xA0\x80"},
      {"past U+10FFFF", "\xF4\x90\x80\x80"},
      {"a sequence cut short at the end", "eight by\xE0\xA8"},
      {"a bad second byte", "\xE0\x41\x41"},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::size_t bad = 0;
    const bool decodes = from_utf8(c.text, &bad).has_value();
    const std::optional<std::size_t> first = first_non_utf8_byte(c.text);
    EXPECT_EQ(first.has_value(), !decodes);
    if (first) {
      EXPECT_EQ(*first, bad);
    }
  }
}

}  // namespace
}  // namespace quilm
