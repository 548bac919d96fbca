// Whole texts in one legacy font to and from Unicode and ISCII, as the
// command line converts them: the first byte chooses the font index, the
// second the script, and the rest is the text (also read as little-endian
// UTF-16 for the Unicode import). The conversion of a legacy text must be
// that of its words one by one with every other byte as itself: the text
// conversions share their buffers among the words, the word conversion
// does not.
#include <cstdlib>
#include <string>

#include "fonts/text_conversion.h"
#include "fonts/conversion.h"
#include "fuzz/fuzz_input.h"

namespace {

std::u16string word_by_word(quilm::BytesView text, int font, const quilm::FontConverter& converter,
                            quilm::UnicodeScript script) {
  std::u16string out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x21) continue;
    if (i > start) quilm::append_legacy_word_as_unicode(text.substr(start, i - start), font, converter, script, out);
    if (i < text.size()) out.push_back(static_cast<unsigned char>(text[i]));
    start = i + 1;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quilm::fuzz::FuzzInput in(data, size);
  const int font = in.take_byte() % quilm::kFontIndexSlots;
  const auto script = in.take_byte() & 1 ? quilm::UnicodeScript::Devanagari : quilm::UnicodeScript::Gurmukhi;
  const quilm::BytesView text = in.rest();
  quilm::ConversionContext context;
  const quilm::FontConverter converter(context);

  if (quilm::legacy_text_to_unicode(text, font, script) != word_by_word(text, font, converter, script)) std::abort();
  quilm::legacy_text_to_iscii(text, font);

  std::u16string unicode;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    unicode.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i]) |
                                            static_cast<unsigned char>(text[i + 1]) << 8));
  quilm::unicode_text_to_legacy(unicode, font, converter);
  quilm::iscii_text_to_legacy(text, font, converter);
  return 0;
}
