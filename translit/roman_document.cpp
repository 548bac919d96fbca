#include "translit/roman_document.h"

#include <algorithm>
#include <set>
#include <vector>

#include "common/progress_scope.h"
#include "translit/roman_tables.h"

namespace quilm {
namespace {

bool has_unicode_gurmukhi(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x0A00 && c <= 0x0A7F; });
}

// The runs of characters [start, start + length).
std::vector<TextRun> runs_within(const std::vector<TextRun>& runs, int start, int length) {
  std::vector<TextRun> out;
  std::size_t position = 0;
  const auto first = static_cast<std::size_t>(start), last = static_cast<std::size_t>(start + length);
  for (const TextRun& run : runs) {
    const std::size_t run_end = position + run.text.size();
    const std::size_t from = std::max(position, first), to = std::min(run_end, last);
    if (from < to) out.push_back({run.text.substr(from - position, to - from), run.format});
    position = run_end;
  }
  return out;
}

// Text of a Gurmukhi font: its 8-bit characters are glyph bytes; anything
// above U+00FF (Unicode pasted into the run) is read as Unicode.
void append_font_run(std::u16string_view text, int font, const RomanTextTools& tools, std::u16string& out) {
  std::size_t i = 0;
  std::string roman;
  while (i < text.size()) {
    std::size_t end = i;
    Bytes glyphs;
    while (end < text.size() && text[end] <= 0xFF) glyphs += static_cast<char>(text[end++]);
    if (!glyphs.empty()) {
      roman.clear();
      append_roman_of_font_text(glyphs, font, tools, roman);
      append_roman_as_utf16(roman, out);
    }
    i = end;
    while (end < text.size() && text[end] > 0xFF) ++end;
    if (end > i) out += roman_of_unicode_text(text.substr(i, end - i), tools);
    i = end;
  }
}

}  // namespace

std::u16string transliterate_document_to_roman(const Editor& editor, const FontRegistry& fonts,
                                               const RomanTextTools& tools, Prompter& prompter) {
  const std::vector<TextRun> runs = editor.SelLength() > 0
                                        ? runs_within(editor.Runs(), editor.SelStart(), editor.SelLength())
                                        : editor.Runs();
  long length = 0;
  for (const TextRun& run : runs) length += static_cast<long>(run.text.size());

  std::u16string out;
  std::set<std::string> unsupported;
  bool any_gurmukhi = false;
  {
    ProgressScope progress(prompter, kRomanCaption, length);
    long done = 0;
    for (const TextRun& run : runs) {
      const std::string& name = run.format.font_name;
      if (fonts.check_font_punjabi(name)) {
        any_gurmukhi = true;
        const int font = fonts.get_font_index(name);
        if (has_roman_word_chars(font) && convertible(font)) {
          append_font_run(run.text, font, tools, out);
        } else {
          unsupported.insert(name);
          out += run.text;
        }
      } else {
        any_gurmukhi = any_gurmukhi || has_unicode_gurmukhi(run.text);
        out += roman_of_unicode_text(run.text, tools);
      }
      done += static_cast<long>(run.text.size());
      prompter.progress_step(done);
    }
  }
  if (!any_gurmukhi) {
    prompter.message("Font : " + editor.FontName() + kRomanNotSupported);
    return {};
  }
  for (const std::string& name : unsupported) prompter.message("Font : " + name + kRomanNotSupported);
  return out;
}

}  // namespace quilm
