// Whole texts in one legacy font to and from Unicode and ISCII, as the
// command line converts them: the first byte chooses the font index, the
// second the script, and the rest is the text (also read as little-endian
// UTF-16 for the Unicode import). The text conversions convert the words of
// a text in turn with one word reader and one word writer of the driver,
// whose room all the words share; a word converted alone gets room of its
// own. Sharing must not change a byte: the conversion of a legacy text must
// be that of its words one by one with every other byte as itself, and a
// word writer must write each text as from_pivot writes it alone.
#include <cstdlib>
#include <string>

#include "encoding/utf16.h"
#include "fonts/conversion.h"
#include "fonts/text_conversion.h"
#include "fuzz/fuzz_input.h"

namespace {

bool is_glyph(char c) { return static_cast<unsigned char>(c) >= 0x21; }

// Calls word(w) for every stretch of glyph bytes and other(c) for every
// other byte, in order.
template <typename Word, typename Other>
void word_by_word(quilm::BytesView text, Word word, Other other) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && is_glyph(text[i])) continue;
    if (i > start) word(text.substr(start, i - start));
    if (i < text.size()) other(text[i]);
    start = i + 1;
  }
}

void check_unicode(quilm::BytesView text, int font, const quilm::FontConverter& converter,
                   quilm::UnicodeScript script) {
  std::u16string words;
  word_by_word(
      text, [&](quilm::BytesView w) { quilm::append_legacy_word_as_unicode(w, font, converter, script, words); },
      [&](char c) { words.push_back(static_cast<unsigned char>(c)); });
  if (quilm::legacy_text_to_unicode(text, font, converter, script) != words) std::abort();
  // The same text written as UTF-8 straight from the pivot.
  if (script != quilm::UnicodeScript::Gurmukhi) return;
  quilm::Bytes utf8;
  quilm::append_legacy_text_as_utf8(text, font, converter, utf8);
  if (utf8 != quilm::to_utf8(words)) std::abort();
}

void check_iscii(quilm::BytesView text, int font, const quilm::FontConverter& converter) {
  quilm::Bytes words;
  word_by_word(
      text, [&](quilm::BytesView w) { quilm::append_legacy_word_as_iscii(w, font, converter, words); },
      [&](char c) { words.push_back(c); });
  if (quilm::legacy_text_to_iscii(text, font, converter) != words) std::abort();
}

// The words of `text` taken as pivot text, written in turn by one word
// writer and one by one by from_pivot, each from a context of its own.
void check_word_writer(quilm::BytesView text, int font) {
  quilm::ConversionContext shared_context, alone_context;
  const quilm::FontConverter shared(shared_context), alone(alone_context);
  quilm::WordWriter writer = shared.word_writer(font, text.size());
  word_by_word(
      text,
      [&](quilm::BytesView w) {
        if (quilm::Bytes(writer.write(w)) != alone.from_pivot(w, font)) std::abort();
        if (shared_context.writer.previous != alone_context.writer.previous ||
            shared_context.writer.before_previous != alone_context.writer.before_previous)
          std::abort();
      },
      [](char) {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput in(data, size);
  const int font = in.take_byte() % quilm::kFontIndexSlots;
  const auto script = in.take_byte() & 1 ? quilm::UnicodeScript::Devanagari : quilm::UnicodeScript::Gurmukhi;
  const quilm::BytesView text = in.rest();
  quilm::ConversionContext context;
  const quilm::FontConverter converter(context);

  check_unicode(text, font, converter, script);
  check_iscii(text, font, converter);
  check_word_writer(text, font);

  std::u16string unicode;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    unicode.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i]) |
                                            static_cast<unsigned char>(text[i + 1]) << 8));
  // UTF-8 read straight into the font gives the bytes of the UTF-16 route.
  context.writer = {};
  const std::u16string editor_text = quilm::unicode_text_to_legacy(unicode, font, converter);
  if (const quilm::Bytes utf8 = quilm::to_utf8(unicode); !quilm::first_non_utf8_byte(utf8)) {
    quilm::Bytes expected, legacy;
    for (char16_t c : editor_text) {
      if (c < 0x100) expected.push_back(static_cast<char>(c));
      else quilm::append_utf8(std::u16string_view(&c, 1), expected);
    }
    context.writer = {};
    quilm::append_utf8_text_as_legacy(utf8, font, converter, legacy);
    // Characters beyond the BMP differ on purpose: the UTF-16 route writes
    // each half of one as U+FFFD.
    const bool beyond_bmp = utf8.find_first_of("\xF0\xF1\xF2\xF3\xF4") != quilm::Bytes::npos;
    if (!beyond_bmp && legacy != expected) std::abort();
  }
  quilm::iscii_text_to_legacy(text, font, converter);
  return 0;
}
