#include "formats/document_xml.h"

#include <array>
#include <cstdio>
#include <sstream>

#include "formats/paragraph_xml.h"
#include "formats/utf8.h"
#include "formats/xml_scanner.h"
#include "editor/run_list.h"

namespace quilm {
namespace {

constexpr const char* kRoot = "quilm-document";
constexpr std::array<const char*, 4> kAlignmentNames = {"left", "right", "center", "justify"};

std::string hex_color(Color c) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return text;
}

std::string hex_code(unsigned code) {
  char text[8];
  std::snprintf(text, sizeof text, "%X", code);
  return text;
}

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void append_text(std::string& out, const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == kParagraphBreak) {
      out += "<br/>";
    } else if (c == u'&') {
      out += "&amp;";
    } else if (c == u'<') {
      out += "&lt;";
    } else if (c == u'>') {
      out += "&gt;";
    } else if ((c < 0x20 && c != u'\t') || c == 0xFFFE || c == 0xFFFF) {
      out += "<c u=\"" + hex_code(c) + "\"/>";
    } else if (c >= 0x7F && c <= 0x9F) {
      out += "&#x" + hex_code(c) + ";";
    } else if (is_high_surrogate(c) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      append_utf8(out, 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (is_high_surrogate(c) || is_low_surrogate(c)) {
      out += "<c u=\"" + hex_code(c) + "\"/>";
    } else {
      append_utf8(out, c);
    }
  }
}

void append_attribute(std::string& out, const char* name, const std::string& value) {
  out += " ";
  out += name;
  out += "=\"";
  append_xml_escaped(out, value);
  out += "\"";
}

Status damaged(const std::string& what) { return Status::Error("The document file is damaged: " + what + "."); }

bool parse_color(const std::string& s, Color& out) {
  if (s.size() != 6 || s.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
  out = static_cast<Color>(std::stoul(s, nullptr, 16));
  return true;
}

bool parse_flag(const std::map<std::string, std::string>& a, const char* name, bool& out) {
  const auto it = a.find(name);
  if (it == a.end()) return true;
  if (it->second != "0" && it->second != "1") return false;
  out = it->second == "1";
  return true;
}

Status read_run_format(const XmlEvent& e, CharFormat& f) {
  const auto& a = e.attributes;
  if (const auto it = a.find("font"); it != a.end()) f.font_name = it->second;
  if (const auto it = a.find("size"); it != a.end() && (!parse_xml_int(it->second, f.font_size) || f.font_size <= 0))
    return damaged("a run has the size \"" + it->second + "\"");
  if (!parse_flag(a, "bold", f.bold) || !parse_flag(a, "italic", f.italic) ||
      !parse_flag(a, "underline", f.underline) || !parse_flag(a, "strike", f.strikethru))
    return damaged("a run has a style that is neither 0 nor 1");
  if (const auto it = a.find("color"); it != a.end() && !parse_color(it->second, f.fore_color))
    return damaged("a run has the colour \"" + it->second + "\"");
  if (const auto it = a.find("background"); it != a.end() && !parse_color(it->second, f.back_color))
    return damaged("a run has the background \"" + it->second + "\"");
  return Status::Ok();
}

Status read_values(const std::u16string& text, std::array<int, Editor::kDocumentValues>& values) {
  std::string ascii(text.begin(), text.end());
  std::istringstream in(ascii);
  for (int& v : values)
    if (!(in >> v)) return damaged("<values> does not hold six numbers");
  std::string more;
  if (in >> more) return damaged("<values> holds more than six numbers");
  return Status::Ok();
}

Status read_alignments(const std::u16string& text, std::vector<ParagraphFormat>& alignments) {
  std::string ascii(text.begin(), text.end());
  std::istringstream in(ascii);
  alignments.clear();
  for (std::string word; in >> word;) {
    std::size_t i = 0;
    while (i < kAlignmentNames.size() && word != kAlignmentNames[i]) ++i;
    if (i == kAlignmentNames.size()) return damaged("\"" + word + "\" is not an alignment");
    alignments.push_back(static_cast<Alignment>(i));
  }
  return Status::Ok();
}

std::u16string text_inside(const std::vector<XmlEvent>& events, std::size_t& i) {
  std::u16string text;
  for (++i; i < events.size() && events[i].kind == XmlEvent::Text; ++i) text += events[i].text;
  return text;
}

bool is_blank(const std::u16string& text) {
  return text.find_first_not_of(u" \t\r\n") == std::u16string::npos;
}

// The events inside one <run>: text, <br/> and <c u="…"/>.
Status read_run_text(const std::vector<XmlEvent>& events, std::size_t& i, std::u16string& text) {
  for (++i; i < events.size(); ++i) {
    const XmlEvent& e = events[i];
    if (e.kind == XmlEvent::Text) {
      text += e.text;
    } else if (e.kind == XmlEvent::End && e.name == "run") {
      return Status::Ok();
    } else if (e.kind == XmlEvent::Start && e.name == "br") {
      text += kParagraphBreak;
      ++i;  // its End
    } else if (e.kind == XmlEvent::Start && e.name == "c") {
      const auto it = e.attributes.find("u");
      if (it == e.attributes.end() || it->second.empty() || it->second.size() > 4 ||
          it->second.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return damaged("<c> does not name a character");
      text += static_cast<char16_t>(std::stoul(it->second, nullptr, 16));
      ++i;
    } else {
      return damaged("<" + e.name + "> cannot stand inside a run");
    }
  }
  return damaged("a run is not closed");
}

constexpr std::array<const char*, 3> kPlaceNames = {"none", "header", "footer"};

template <std::size_t N>
int index_of(const std::array<const char*, N>& names, const std::string& name) {
  for (std::size_t i = 0; i < N; ++i)
    if (name == names[i]) return static_cast<int>(i);
  return -1;
}

void append_page_numbers(std::string& out, const PageNumbering& n) {
  out += "  <page-numbers";
  append_attribute(out, "place", kPlaceNames[static_cast<std::size_t>(n.place)]);
  append_attribute(out, "alignment", kAlignmentNames[static_cast<std::size_t>(n.alignment)]);
  append_attribute(out, "first", std::to_string(n.first_number));
  out += "/>\n";
}

Status read_page_numbers(const XmlEvent& e, PageNumbering& out) {
  const auto& a = e.attributes;
  const auto place = a.find("place"), alignment = a.find("alignment"), first = a.find("first");
  if (place == a.end() || alignment == a.end() || first == a.end())
    return Status::Error("<page-numbers> lacks its place, alignment or first number");
  const int p = index_of(kPlaceNames, place->second), al = index_of(kAlignmentNames, alignment->second);
  int number = 0;
  if (p < 0 || al < 0 || !parse_xml_int(first->second, number) || number < 0)
    return Status::Error("<page-numbers> has a place, alignment or first number this program does not know");
  out = {static_cast<PageNumberPlace>(p), static_cast<Alignment>(al), number};
  return Status::Ok();
}

}  // namespace

Bytes write_document_xml(const Document& doc) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<";
  out += kRoot;
  out += " version=\"1\">\n  <values>";
  for (int i = 0; i < Editor::kDocumentValues; ++i) out += (i ? " " : "") + std::to_string(doc.values[i]);
  out += "</values>\n  <alignments>";
  for (std::size_t i = 0; i < doc.paragraphs.size(); ++i)
    out += std::string(i ? " " : "") + kAlignmentNames[static_cast<std::size_t>(doc.paragraphs[i].alignment)];
  out += "</alignments>\n";
  append_paragraph_formats(out, doc.paragraphs);
  if (doc.page_numbers != PageNumbering{}) append_page_numbers(out, doc.page_numbers);
  for (const TextRun& run : doc.runs) {
    const CharFormat& f = run.format;
    out += "  <run";
    append_attribute(out, "font", f.font_name);
    append_attribute(out, "size", std::to_string(f.font_size));
    append_attribute(out, "bold", f.bold ? "1" : "0");
    append_attribute(out, "italic", f.italic ? "1" : "0");
    append_attribute(out, "underline", f.underline ? "1" : "0");
    append_attribute(out, "strike", f.strikethru ? "1" : "0");
    append_attribute(out, "color", hex_color(f.fore_color));
    append_attribute(out, "background", hex_color(f.back_color));
    out += ">";
    append_text(out, run.text);
    out += "</run>\n";
  }
  out += "</";
  out += kRoot;
  out += ">\n";
  return out;
}

Status read_document_xml(BytesView bytes, Document& out) {
  std::vector<XmlEvent> events;
  if (Status s = scan_xml(bytes, events); !s) return s;
  std::size_t i = 0;
  while (i < events.size() && events[i].kind == XmlEvent::Text && is_blank(events[i].text)) ++i;
  if (i == events.size() || events[i].kind != XmlEvent::Start || events[i].name != kRoot)
    return Status::Error(std::string("The file is not a Quilm document: it has no <") + kRoot + "> element.");
  if (const auto v = events[i].attributes.find("version"); v == events[i].attributes.end() || v->second != "1")
    return Status::Error("The file is a Quilm document of a version this program does not know.");

  Document doc;
  std::vector<std::pair<int, ParagraphFormat>> formats;
  for (++i; i < events.size(); ++i) {
    const XmlEvent& e = events[i];
    if (e.kind == XmlEvent::Text) {
      if (!is_blank(e.text)) return damaged("text stands outside a run");
    } else if (e.kind == XmlEvent::End) {
      break;  // the root's end
    } else if (e.name == "values") {
      if (Status s = read_values(text_inside(events, i), doc.values); !s) return s;
    } else if (e.name == "alignments") {
      if (Status s = read_alignments(text_inside(events, i), doc.paragraphs); !s) return s;
    } else if (e.name == "page-numbers") {
      if (Status s = read_page_numbers(e, doc.page_numbers); !s) return damaged(s.message());
      ++i;  // its End
    } else if (e.name == "paragraph") {
      if (Status s = read_paragraph_format(e, formats); !s) return damaged(s.message());
      ++i;  // its End
    } else if (e.name == "run") {
      TextRun run;
      if (Status s = read_run_format(e, run.format); !s) return s;
      if (Status s = read_run_text(events, i, run.text); !s) return s;
      doc.runs.push_back(std::move(run));
    } else {
      return damaged("<" + e.name + "> is not part of a document");
    }
  }
  merge_runs(doc.runs);
  const int paragraphs = paragraph_breaks_in(doc.runs) + 1;
  if (static_cast<int>(doc.paragraphs.size()) != paragraphs) {
    return damaged("it has " + std::to_string(paragraphs) + " paragraphs but " +
                   std::to_string(doc.paragraphs.size()) + " alignments");
  }
  for (auto& [index, format] : formats) {
    if (index >= paragraphs) return damaged("a paragraph format names paragraph " + std::to_string(index + 1));
    format.alignment = doc.paragraphs[static_cast<std::size_t>(index)].alignment;
    doc.paragraphs[static_cast<std::size_t>(index)] = std::move(format);
  }
  out = std::move(doc);
  return Status::Ok();
}

}  // namespace quilm
