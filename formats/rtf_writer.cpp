#include "formats/rtf_writer.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "formats/legacy_bytes.h"

namespace quilm {
namespace {

// Keywords of the page values 0 to 5, in twips.
constexpr const char* kPageKeywords[Editor::kDocumentValues] = {"paperw", "paperh", "margl",
                                                                 "margt",  "margr",  "margb"};

const char* alignment_keyword(Alignment a) {
  switch (a) {
    case Alignment::Right: return "\\qr";
    case Alignment::Center: return "\\qc";
    case Alignment::Justify: return "\\qj";
    case Alignment::Left: break;
  }
  return "\\ql";
}

template <typename T>
int index_in(std::vector<T>& list, const T& value) {
  const auto it = std::find(list.begin(), list.end(), value);
  if (it != list.end()) return static_cast<int>(it - list.begin());
  list.push_back(value);
  return static_cast<int>(list.size()) - 1;
}

void append_hex_byte(Bytes& out, unsigned byte) {
  char text[5];
  std::snprintf(text, sizeof text, "\\'%02x", byte & 0xFF);
  out += text;
}

// \uN takes a signed 16-bit value.
void append_unicode(Bytes& out, char16_t c, unsigned fallback) {
  const int value = c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c);
  out += "\\u" + std::to_string(value);
  append_hex_byte(out, fallback);
}

void append_plain(Bytes& out, char16_t c) {
  if (c == u'\\' || c == u'{' || c == u'}') out.push_back('\\');
  out.push_back(static_cast<char>(c));
}

void append_char(Bytes& out, char16_t c, bool legacy_run) {
  if (c == u'\t') {
    out += "\\tab ";
  } else if (c >= 0x20 && c < 0x7F) {
    append_plain(out, c);
  } else if (c < 0x20 || c == 0x7F) {
    append_hex_byte(out, c);
  } else if (legacy_run) {
    // A glyph byte, or a character that a Windows program would store as one.
    const auto byte = c <= 0xFF ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(c)) : legacy_byte_for(c);
    if (byte) {
      append_hex_byte(out, *byte);
    } else {
      append_unicode(out, c, '?');
    }
  } else if (c >= 0xA0 && c <= 0xFF) {
    append_hex_byte(out, c);
  } else {
    const auto byte = cp1252_byte(c);
    append_unicode(out, c, byte && c > 0xFF ? *byte : '?');
  }
}

void append_font_name(Bytes& out, const std::string& name) {
  for (const char ch : name) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x20 || b >= 0x80 || ch == ';') {
      append_hex_byte(out, b);
    } else {
      append_plain(out, b);
    }
  }
}

struct Tables {
  std::vector<std::string> fonts;
  std::vector<Color> colors{kBlack};  // index 1 on; \cf0 is the automatic black

  explicit Tables(const Document& doc) {
    for (const TextRun& run : doc.runs) {
      index_in(fonts, run.format.font_name);
      if (run.format.fore_color != kBlack) index_in(colors, run.format.fore_color);
      if (run.format.back_color != kWhite) index_in(colors, run.format.back_color);
    }
    if (fonts.empty()) fonts.push_back(CharFormat{}.font_name);
  }
  int font(const std::string& name) { return index_in(fonts, name); }
  int color(Color c) { return index_in(colors, c) + 1; }
};

void append_header(Bytes& out, Tables& tables, const Document& doc) {
  out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
  for (std::size_t i = 0; i < tables.fonts.size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
    append_font_name(out, tables.fonts[i]);
    out += ";}";
  }
  out += "}\r\n{\\colortbl;";
  for (const Color c : tables.colors) {
    out += "\\red" + std::to_string((c >> 16) & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
           std::to_string(c & 0xFF) + ";";
  }
  out += "}\r\n";
  for (int i = 0; i < Editor::kDocumentValues; ++i)
    if (doc.values[i] > 0) out += std::string("\\") + kPageKeywords[i] + std::to_string(doc.values[i]);
  out += "\r\n";
}

// The font goes both as the Latin font (\f) and as the font of complex
// scripts (\rtlch\af), which Word and LibreOffice use for Unicode Gurmukhi.
void append_group_start(Bytes& out, Tables& tables, const CharFormat& f) {
  const std::string font = std::to_string(tables.font(f.font_name));
  const std::string size = std::to_string(2LL * f.font_size);  // half points; any int size fits
  out += "{\\rtlch\\af" + font + "\\afs" + size + "\\ltrch\\f" + font + "\\fs" + size;
  if (f.bold) out += "\\b";
  if (f.italic) out += "\\i";
  if (f.underline) out += "\\ul";
  if (f.strikethru) out += "\\strike";
  if (f.fore_color != kBlack) out += "\\cf" + std::to_string(tables.color(f.fore_color));
  if (f.back_color != kWhite) out += "\\chcbpat" + std::to_string(tables.color(f.back_color));
  out += " ";
}

void append_paragraph_start(Bytes& out, Alignment a) { out += std::string("\\pard") + alignment_keyword(a) + " "; }

}  // namespace

Bytes write_rtf(const Document& doc, const LegacyFontTest& legacy) {
  Tables tables(doc);
  Bytes out;
  append_header(out, tables, doc);
  std::size_t paragraph = 0;
  append_paragraph_start(out, doc.paragraphs[paragraph].alignment);
  for (const TextRun& run : doc.runs) {
    const bool legacy_run = legacy && legacy(run.format.font_name);
    append_group_start(out, tables, run.format);
    for (const char16_t c : run.text) {
      if (c != kParagraphBreak) {
        append_char(out, c, legacy_run);
        continue;
      }
      out += "\\par}\r\n";
      append_paragraph_start(out, doc.paragraphs[std::min(++paragraph, doc.paragraphs.size() - 1)].alignment);
      append_group_start(out, tables, run.format);
    }
    out += "}";
  }
  out += "\\par\r\n}\r\n";
  return out;
}

}  // namespace quilm
