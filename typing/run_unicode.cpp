// The editor's runs read as Unicode through their fonts' encodings.
#include "encoding/unicode_output.h"
#include "fonts/conversion.h"
#include "fonts/font_index.h"
#include "typing/unicode_reading.h"

namespace quilm::typing {
namespace {

bool gurmukhi_run(const TextRun& run, const FontRegistry& fonts, int index) {
  return index != font_index::kNotSupported && fonts.check_font_punjabi(run.format.font_name);
}

}  // namespace

std::u16string runs_as_unicode(const std::vector<TextRun>& runs, const FontRegistry& fonts,
                               const FontConverter& converter) {
  std::u16string out;
  for (const TextRun& run : runs) {
    const int index = fonts.get_font_index(run.format.font_name);
    if (!gurmukhi_run(run, fonts, index)) {
      out += run.text;
      continue;
    }
    // Glyph bytes between paragraph breaks (and any character that is no
    // glyph byte) are converted together.
    Bytes glyphs;
    auto convert_glyphs = [&] {
      if (!glyphs.empty()) GurToUnicode(converter.to_pivot(glyphs, index), out);
      glyphs.clear();
    };
    for (char16_t c : run.text) {
      if (c > 0xFF || c == kParagraphBreak) {
        convert_glyphs();
        out.push_back(c);
      } else {
        glyphs.push_back(static_cast<char>(c));
      }
    }
    convert_glyphs();
  }
  return out;
}

}  // namespace quilm::typing
