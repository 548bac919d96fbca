#include "formats/paragraph_xml.h"

#include <array>
#include <sstream>

namespace quilm {
namespace {

// No length a page can hold (22 inches in twips) nor any count is larger.
constexpr int kLargestValue = 32767;

// The whole-number values of a paragraph format, by attribute name.
struct IntField {
  const char* name;
  int (*get)(const ParagraphFormat&);
  void (*set)(ParagraphFormat&, int);
  int least;  // smallest value a file may give
};

#define QUILM_INT_FIELD(name, member, least)                                  \
  IntField {                                                                  \
    name, [](const ParagraphFormat& p) { return static_cast<int>(p.member); }, \
        [](ParagraphFormat& p, int v) { p.member = static_cast<decltype(p.member)>(v); }, least \
  }

const std::array<IntField, 15> kIntFields = {{
    QUILM_INT_FIELD("left", left_indent, -31680),
    QUILM_INT_FIELD("right", right_indent, -31680),
    QUILM_INT_FIELD("first", first_indent, -31680),
    QUILM_INT_FIELD("before", space_before, 0),
    QUILM_INT_FIELD("after", space_after, 0),
    QUILM_INT_FIELD("spacing", line_spacing, 1),
    QUILM_INT_FIELD("list", list.type, 0),
    QUILM_INT_FIELD("numbering", list.numbering, 3),
    QUILM_INT_FIELD("level", list.level, 1),
    QUILM_INT_FIELD("start", list.start, 0),
    QUILM_INT_FIELD("number-indent", list.number_indent, 0),
    QUILM_INT_FIELD("text-indent", list.text_indent, 0),
    QUILM_INT_FIELD("frame", frame.style, 0),
    QUILM_INT_FIELD("frame-width", frame.line_width, 0),
    QUILM_INT_FIELD("frame-distance", frame.distance, 0),
}};

#undef QUILM_INT_FIELD

bool valid_kinds(const ParagraphFormat& p) {
  const int type = static_cast<int>(p.list.type);
  const int numbering = static_cast<int>(p.list.numbering);
  return (type == 0 || type == 2 || type == 4) && numbering >= 3 && numbering <= 7 && p.frame.style <= 2;
}

std::string tab_list(const std::vector<int>& tabs) {
  std::string out;
  for (const int t : tabs) out += (out.empty() ? "" : " ") + std::to_string(t);
  return out;
}

bool parse_tabs(const std::string& text, std::vector<int>& tabs) {
  std::istringstream in(text);
  tabs.clear();
  for (std::string word; in >> word;) {
    int t = 0;
    if (!parse_xml_int(word, t) || t < 0 || (!tabs.empty() && t <= tabs.back())) return false;
    tabs.push_back(t);
  }
  return true;
}

}  // namespace

void append_paragraph_formats(std::string& out, const std::vector<ParagraphFormat>& paragraphs) {
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    const ParagraphFormat& p = paragraphs[i];
    if (p == ParagraphFormat(p.alignment)) continue;
    const ParagraphFormat defaults;
    out += "  <paragraph index=\"" + std::to_string(i) + "\"";
    for (const IntField& f : kIntFields)
      if (f.get(p) != f.get(defaults)) out += std::string(" ") + f.name + "=\"" + std::to_string(f.get(p)) + "\"";
    if (!p.tab_stops.empty()) out += " tabs=\"" + tab_list(p.tab_stops) + "\"";
    out += "/>\n";
  }
}

Status read_paragraph_format(const XmlEvent& element, std::vector<std::pair<int, ParagraphFormat>>& formats) {
  const auto& a = element.attributes;
  int index = -1;
  if (const auto it = a.find("index"); it == a.end() || !parse_xml_int(it->second, index) || index < 0)
    return Status::Error("a <paragraph> has no paragraph number");
  ParagraphFormat p;
  for (const IntField& f : kIntFields) {
    const auto it = a.find(f.name);
    if (it == a.end()) continue;
    int value = 0;
    if (!parse_xml_int(it->second, value) || value < f.least || value > kLargestValue)
      return Status::Error(std::string("a paragraph has the ") + f.name + " \"" + it->second + "\"");
    f.set(p, value);
  }
  if (!valid_kinds(p)) return Status::Error("a paragraph has a list or frame kind this program does not know");
  if (const auto it = a.find("tabs"); it != a.end() && !parse_tabs(it->second, p.tab_stops))
    return Status::Error("a paragraph has the tab stops \"" + it->second + "\"");
  formats.emplace_back(index, std::move(p));
  return Status::Ok();
}

}  // namespace quilm
