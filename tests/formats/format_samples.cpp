#include "tests/formats/format_samples.h"

#include <cstdio>

#include "editor/run_list.h"
#include "common/file_io.h"

namespace quilm::test {

LegacyFontTest sample_legacy_fonts() {
  return [](const std::string& font) { return font == kAnmol || font == kSatluj; };
}

CharFormat format_of(const char* font, int size) {
  CharFormat f;
  f.font_name = font;
  f.font_size = size;
  return f;
}

Document rich_sample() {
  CharFormat latin = format_of(kTimes, 12);
  CharFormat bold_red = format_of(kTimes, 14);
  bold_red.bold = true;
  bold_red.fore_color = 0xC00000;
  CharFormat anmol = format_of(kAnmol, 16);
  CharFormat anmol_styled = anmol;
  anmol_styled.italic = anmol_styled.underline = anmol_styled.strikethru = true;
  anmol_styled.back_color = 0xFFFF00;
  CharFormat satluj = format_of(kSatluj, 18);
  CharFormat raavi = format_of(kRaavi, 12);

  std::u16string glyphs;
  for (char16_t c = 0x80; c <= 0xFF; ++c) glyphs.push_back(c);

  Document doc;
  doc.runs = {
      {u"Latin {text} \\ with a\ttab, ", latin},
      {u"bold red\r", bold_red},
      {u"\x93" u"ਕ" u"\x1E" + glyphs, anmol},
      {u"styled ", anmol_styled},
      {u"s\xC4t\x91\x92\r", satluj},
      {u"ਸਤਿ ਸ੍ਰੀ ਅਕਾਲ\r", raavi},
  };
  // U+0A15 in a legacy font is not a glyph byte; it must survive as itself.
  doc.runs[2].text[1] = 0x0A15;
  doc.paragraphs = {Alignment::Left, Alignment::Center, Alignment::Right, Alignment::Justify};
  doc.values = {12240, 15840, 720, 1080, 720, 1080};
  return doc;
}

std::string describe(const Document& doc) {
  std::string out;
  for (const TextRun& run : doc.runs) {
    const CharFormat& f = run.format;
    char head[160];
    std::snprintf(head, sizeof head, "[%s %d%s%s%s%s %06X/%06X] ", f.font_name.c_str(), f.font_size,
                  f.bold ? " b" : "", f.italic ? " i" : "", f.underline ? " u" : "", f.strikethru ? " s" : "",
                  f.fore_color, f.back_color);
    out += head;
    for (const char16_t c : run.text) {
      char code[12];
      std::snprintf(code, sizeof code, "%04X ", static_cast<unsigned>(c));
      out += code;
    }
    out += "\n";
  }
  out += "alignments:";
  for (const ParagraphFormat& p : doc.paragraphs) out += " " + std::to_string(static_cast<int>(p.alignment));
  out += "\nvalues:";
  for (const int v : doc.values) out += " " + std::to_string(v);
  return out;
}

Document breaks_as_text_before(Document doc) {
  std::vector<TextRun> runs;
  for (const TextRun& run : doc.runs) {
    for (const char16_t c : run.text) {
      const CharFormat& f = c == kParagraphBreak && !runs.empty() ? runs.back().format : run.format;
      runs.push_back({std::u16string(1, c), f});
    }
  }
  merge_runs(runs);
  doc.runs = runs;
  return doc;
}

Bytes fixture(const std::string& name) {
  const auto bytes = read_file(std::string(QUILM_FORMAT_FIXTURES) + "/" + name);
  return bytes ? *bytes : Bytes();
}

}  // namespace quilm::test
