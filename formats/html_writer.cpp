#include "formats/html_writer.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "formats/utf8.h"
#include "formats/xml_scanner.h"

namespace quilm {
namespace {

const char* alignment_value(Alignment a) {
  switch (a) {
    case Alignment::Right: return "right";
    case Alignment::Center: return "center";
    case Alignment::Justify: return "justify";
    case Alignment::Left: break;
  }
  return "left";
}

std::string css_color(Color c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return text;
}

// Font names are 8-bit; the page is UTF-8, so a byte above 0x7F is taken as
// its Latin-1 character.
std::string font_family(const std::string& name) {
  std::string utf8;
  for (const char ch : name) {
    const auto b = static_cast<unsigned char>(ch);
    if (ch == '\'' || ch == '\\') utf8.push_back('\\');
    append_utf8(utf8, b);
  }
  std::string out;
  append_xml_escaped(out, utf8);
  return "'" + out + "'";
}

std::string declarations(const CharFormat& f) {
  std::string s = "font-family:" + font_family(f.font_name) + ";font-size:" + std::to_string(f.font_size) + "pt";
  s += f.bold ? ";font-weight:bold" : ";font-weight:normal";
  s += f.italic ? ";font-style:italic" : ";font-style:normal";
  if (f.underline || f.strikethru) {
    s += ";text-decoration:";
    s += f.underline && f.strikethru ? "underline line-through" : f.underline ? "underline" : "line-through";
  }
  s += ";color:" + css_color(f.fore_color);
  if (f.back_color != kWhite) s += ";background-color:" + css_color(f.back_color);
  return s;
}

bool is_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void append_text(std::string& out, const std::u16string& text, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    const char16_t c = text[i];
    if (c == u'&') {
      out += "&amp;";
    } else if (c == u'<') {
      out += "&lt;";
    } else if (c == u'>') {
      out += "&gt;";
    } else if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F)) {
      out += "&#" + std::to_string(c) + ";";
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < to && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      append_utf8(out, 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (is_surrogate(c)) {
      out += "&#xFFFD;";
    } else {
      append_utf8(out, c);
    }
  }
}

class HtmlWriter {
 public:
  HtmlWriter(const Document& doc, HtmlStyles styles) : doc_(doc), styles_(styles) {
    if (styles_ == HtmlStyles::StyleSheet) {
      for (const TextRun& run : doc.runs)
        if (std::find(classes_.begin(), classes_.end(), run.format) == classes_.end()) classes_.push_back(run.format);
    }
  }

  Bytes write() {
    out_ = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n";
    if (styles_ == HtmlStyles::StyleSheet) {
      out_ += "<style>\n";
      for (std::size_t i = 0; i < classes_.size(); ++i)
        out_ += ".r" + std::to_string(i) + " { " + declarations(classes_[i]) + " }\n";
      out_ += "</style>\n";
    }
    out_ += "</head>\n<body style=\"white-space:pre-wrap\">\n";
    std::size_t paragraph = 0;
    open_paragraph(paragraph);
    for (const TextRun& run : doc_.runs) {
      std::size_t start = 0;
      for (std::size_t i = 0; i <= run.text.size(); ++i) {
        if (i < run.text.size() && run.text[i] != kParagraphBreak) continue;
        if (i > start) span(run, start, i);
        if (i < run.text.size()) {
          out_ += "</p>\n";
          open_paragraph(++paragraph);
        }
        start = i + 1;
      }
    }
    out_ += "</p>\n</body>\n</html>\n";
    return std::move(out_);
  }

 private:
  void open_paragraph(std::size_t paragraph) {
    const Alignment a = doc_.paragraphs[std::min(paragraph, doc_.paragraphs.size() - 1)].alignment;
    out_ += std::string("<p style=\"margin:0;text-align:") + alignment_value(a) + "\">";
  }

  void span(const TextRun& run, std::size_t from, std::size_t to) {
    if (styles_ == HtmlStyles::StyleSheet) {
      const auto at = std::find(classes_.begin(), classes_.end(), run.format) - classes_.begin();
      out_ += "<span class=\"r" + std::to_string(at) + "\">";
    } else {
      out_ += "<span style=\"" + declarations(run.format) + "\">";
    }
    append_text(out_, run.text, from, to);
    out_ += "</span>";
  }

  const Document& doc_;
  HtmlStyles styles_;
  std::vector<CharFormat> classes_;
  Bytes out_;
};

}  // namespace

Bytes write_html(const Document& doc, HtmlStyles styles) { return HtmlWriter(doc, styles).write(); }

}  // namespace quilm
