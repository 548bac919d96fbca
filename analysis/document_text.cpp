#include "analysis/document_text.h"

#include "encoding/unicode_input.h"
#include "encoding/utf16.h"
#include "fonts/font_index.h"

namespace quilm {
namespace {

bool gurmukhi_char(char16_t c) { return c >= 0x0A00 && c <= 0x0A7F; }

// The glyph bytes of a run of a legacy font (each character's code is its byte).
Bytes glyph_bytes(std::u16string_view text) {
  Bytes out;
  out.reserve(text.size());
  for (char16_t c : text) out.push_back(static_cast<char>(c & 0xFF));
  return out;
}

class TextBuilder {
 public:
  TextBuilder(const FontRegistry& fonts, const FontConverter& converter, bool english, int font_index)
      : fonts_(fonts), converter_(converter), english_(english), font_index_(font_index) {}

  void add_run(const TextRun& run) {
    const bool legacy = fonts_.check_font_punjabi(run.format.font_name);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= run.text.size(); ++i) {
      if (i < run.text.size() && run.text[i] != kParagraphBreak) continue;
      add_piece(std::u16string_view(run.text).substr(start, i - start), legacy, run.format.font_name);
      if (i < run.text.size()) out_ += "\r\n";
      start = i + 1;
    }
  }

  Bytes take() { return std::move(out_); }

 private:
  // A stretch of a run without paragraph breaks.
  void add_piece(std::u16string_view text, bool legacy, const std::string& font) {
    if (text.empty()) return;
    if (english_) return add_english(text, legacy);
    if (legacy) return add_legacy(text, fonts_.get_font_index(font));
    add_unicode(text);
  }

  void add_english(std::u16string_view text, bool legacy) {
    if (legacy) out_.append(text.size(), ' ');
    else out_ += to_utf8(text);
  }

  void add_legacy(std::u16string_view text, int source) {
    const Bytes bytes = glyph_bytes(text);
    if (font_index_ < 0 || source == font_index_) out_ += bytes;  // Unicode reading or the words' own font
    else out_ += converter_.conversion(bytes, source, font_index_, false);
  }

  // Unicode text: its Gurmukhi stretches, every other character a blank
  // (in a Unicode reading, the text as it is).
  void add_unicode(std::u16string_view text) {
    if (font_index_ < 0) {
      out_ += to_utf8(text);
      return;
    }
    std::size_t i = 0;
    while (i < text.size()) {
      if (!gurmukhi_char(text[i])) {
        out_.push_back(' ');
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < text.size() && gurmukhi_char(text[end])) ++end;
      out_ += converter_.from_pivot(UniCodetoGur(text.substr(i, end - i)), font_index_);
      i = end;
    }
  }

  const FontRegistry& fonts_;
  const FontConverter& converter_;
  bool english_;
  int font_index_;  // the words' font; -1 for a Unicode reading
  Bytes out_;
};

std::optional<std::string> first_gurmukhi_font(const std::vector<TextRun>& runs, const FontRegistry& fonts) {
  for (const TextRun& run : runs)
    if (fonts.check_font_punjabi(run.format.font_name)) return run.format.font_name;
  return std::nullopt;
}

}  // namespace

AnalysedText document_analysis_text(const std::vector<TextRun>& runs, bool english, const FontRegistry& fonts,
                                    const FontConverter& converter, const std::optional<std::string>& into_font) {
  AnalysedText out;
  int font_index = -1;
  if (english) {
    out.reading = {TextKind::Utf8, font_index::kNotSupported, true};
    out.font_name = kEnglishAnalysisFont;
  } else if (const std::optional<std::string> font =
                 into_font && fonts.check_font_punjabi(*into_font) ? into_font : first_gurmukhi_font(runs, fonts)) {
    font_index = fonts.get_font_index(*font);
    out.font_name = *font;
    if (!convertible(font_index)) {
      out.note = *font + "   NOT Supported";
      out.reading = {TextKind::Legacy, font_index::kNotSupported, true};
    } else {
      out.reading = {TextKind::Legacy, font_index, false};
    }
  } else {
    out.reading = {TextKind::Utf8, font_index::kNotSupported, false};
    out.font_name = kUnicodeAnalysisFont;
  }
  TextBuilder builder(fonts, converter, english, font_index);
  for (const TextRun& run : runs) builder.add_run(run);
  out.text = builder.take();
  return out;
}

}  // namespace quilm
