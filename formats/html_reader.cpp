#include "formats/html_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/legacy_bytes.h"
#include "formats/utf8.h"
#include "editor/run_list.h"

namespace quilm {
namespace {

using Declarations = std::map<std::string, std::string>;

struct NamedColor {
  std::string_view name;
  Color color;
};
constexpr NamedColor kColors[] = {
    {"black", 0x000000}, {"white", 0xFFFFFF}, {"red", 0xFF0000},    {"green", 0x008000}, {"blue", 0x0000FF},
    {"yellow", 0xFFFF00}, {"maroon", 0x800000}, {"navy", 0x000080}, {"gray", 0x808080},  {"grey", 0x808080},
    {"silver", 0xC0C0C0}, {"purple", 0x800080}, {"fuchsia", 0xFF00FF}, {"lime", 0x00FF00}, {"olive", 0x808000},
    {"teal", 0x008080},  {"aqua", 0x00FFFF},  {"orange", 0xFFA500},
};

struct NamedEntity {
  std::string_view name;
  char16_t c;
};
constexpr NamedEntity kEntities[] = {
    {"amp", u'&'},     {"lt", u'<'},      {"gt", u'>'},      {"quot", u'"'},    {"apos", u'\''},
    {"nbsp", 0x00A0},  {"copy", 0x00A9},  {"reg", 0x00AE},   {"hellip", 0x2026}, {"ndash", 0x2013},
    {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
    {"bull", 0x2022},  {"trade", 0x2122}, {"euro", 0x20AC},
};

// Elements that hold a paragraph, and elements that only hold blocks.
constexpr std::string_view kBlocks[] = {"p",  "div", "h1", "h2",  "h3",         "h4",      "h5",     "h6",
                                        "li", "tr",  "pre", "blockquote", "address", "center", "dt", "dd"};
constexpr std::string_view kContainers[] = {"body", "table", "ul", "ol", "dl", "thead", "tbody"};
constexpr std::string_view kHidden[] = {"head", "script", "style", "title", "noscript"};
constexpr std::string_view kVoid[] = {"br", "img", "hr", "meta", "link", "input", "col", "area", "base", "wbr"};

template <std::size_t N>
bool one_of(const std::string_view (&list)[N], std::string_view s) {
  return std::find(std::begin(list), std::end(list), s) != std::end(list);
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return "";
  const auto last = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(first, last - first + 1));
}

std::optional<Color> parse_color(std::string value) {
  value = lower(trim(value));
  if (!value.empty() && value[0] == '#') {
    std::string hex = value.substr(1);
    if (hex.size() == 3) hex = {hex[0], hex[0], hex[1], hex[1], hex[2], hex[2]};
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdef") != std::string::npos) return std::nullopt;
    return static_cast<Color>(std::stoul(hex, nullptr, 16));
  }
  if (value.rfind("rgb(", 0) == 0) {
    int r = 0, g = 0, b = 0;
    if (std::sscanf(value.c_str(), "rgb(%d,%d,%d)", &r, &g, &b) == 3 ||
        std::sscanf(value.c_str(), "rgb(%d, %d, %d)", &r, &g, &b) == 3)
      return static_cast<Color>((std::clamp(r, 0, 255) << 16) | (std::clamp(g, 0, 255) << 8) | std::clamp(b, 0, 255));
    return std::nullopt;
  }
  for (const NamedColor& c : kColors)
    if (value == c.name) return c.color;
  return std::nullopt;
}

// "12pt", "16px", "1.5em" (of `current`) in points.
std::optional<int> parse_size(const std::string& value, int current) {
  const std::string v = lower(trim(value));
  char* end = nullptr;
  const double number = std::strtod(v.c_str(), &end);
  if (end == v.c_str() || !(number > 0)) return std::nullopt;  // NaN too
  const std::string unit = trim(end);
  double points = number;
  if (unit == "px") points = number * 0.75;
  else if (unit == "em") points = number * current;
  else if (unit == "%") points = number * current / 100;
  else if (unit != "pt" && !unit.empty()) return std::nullopt;
  // "1e300pt" is a number too: it must not overflow the conversion to int.
  constexpr double kLargest = std::numeric_limits<int>::max() - 1;
  return std::max(1, static_cast<int>(std::min(points, kLargest) + 0.5));
}

// "bold", "bolder" or a numeric weight of 600 and more; a weight too large
// for a number is heavy too, and never an exception.
bool is_bold_weight(const std::string& v) {
  if (v == "bold" || v == "bolder") return true;
  if (v.empty() || !std::isdigit(static_cast<unsigned char>(v[0]))) return false;
  return std::strtol(v.c_str(), nullptr, 10) >= 600;  // saturates instead of throwing
}

std::string first_family(const std::string& value) {
  std::string family = trim(value.substr(0, value.find(',')));
  if (family.size() >= 2 && (family.front() == '\'' || family.front() == '"') && family.back() == family.front())
    family = family.substr(1, family.size() - 2);
  std::string out;
  for (std::size_t i = 0; i < family.size(); ++i) {
    if (family[i] == '\\' && i + 1 < family.size()) ++i;
    out.push_back(family[i]);
  }
  return out;
}

// "a:b; c:d" -> {a: b, c: d}, property names in lower case.
Declarations parse_declarations(std::string_view text) {
  Declarations d;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t semi = std::min(text.find(';', i), text.size());
    const std::string_view part = text.substr(i, semi - i);
    const std::size_t colon = part.find(':');
    if (colon != std::string_view::npos) d[lower(trim(part.substr(0, colon)))] = trim(part.substr(colon + 1));
    i = semi + 1;
  }
  return d;
}

// Font names are 8-bit: characters up to U+00FF as their bytes.
std::string font_name_of(const std::string& utf8) {
  const auto text = utf16_from_utf8(utf8);
  if (!text) return utf8;
  std::string out;
  for (const char16_t c : *text) out.push_back(static_cast<char>(c <= 0xFF ? c : '?'));
  return out;
}

struct Style {
  CharFormat format;
  bool keep_spaces = false;
  std::optional<Alignment> alignment;
};

void apply_declarations(const Declarations& d, Style& s) {
  CharFormat& f = s.format;
  for (const auto& [name, value] : d) {
    const std::string v = lower(value);
    if (name == "font-family") {
      f.font_name = font_name_of(first_family(value));
    } else if (name == "font-size") {
      if (auto size = parse_size(value, f.font_size)) f.font_size = *size;
    } else if (name == "font-weight") {
      f.bold = is_bold_weight(v);
    } else if (name == "font-style") {
      f.italic = v == "italic" || v == "oblique";
    } else if (name == "text-decoration" || name == "text-decoration-line") {
      f.underline = v.find("underline") != std::string::npos;
      f.strikethru = v.find("line-through") != std::string::npos;
    } else if (name == "color") {
      if (auto c = parse_color(value)) f.fore_color = *c;
    } else if (name == "background-color" || name == "background") {
      if (auto c = parse_color(value)) f.back_color = *c;
    } else if (name == "white-space") {
      s.keep_spaces = v.rfind("pre", 0) == 0 || v == "break-spaces";
    } else if (name == "text-align") {
      if (v == "right") s.alignment = Alignment::Right;
      else if (v == "center") s.alignment = Alignment::Center;
      else if (v == "justify") s.alignment = Alignment::Justify;
      else s.alignment = Alignment::Left;
    }
  }
}

struct Tag {
  std::string name;  // lower case
  bool closing = false;
  bool self_closing = false;
  std::map<std::string, std::string> attributes;  // lower-case names, values decoded
};

class HtmlReader {
 public:
  HtmlReader(std::u16string text, const CharFormat& default_format) : in_(std::move(text)) {
    Style base;
    base.format = default_format;
    styles_.push_back({"", base});
  }

  Document read() {
    while (pos_ < in_.size()) {
      if (in_[pos_] == u'<' && read_markup()) continue;
      text_char(in_[pos_++]);
    }
    flush_space();
    if (alignments_.size() < static_cast<std::size_t>(paragraph_breaks_in(runs_) + 1))
      alignments_.push_back(paragraph_alignment_);
    merge_runs(runs_);
    Document doc;
    doc.runs = std::move(runs_);
    doc.paragraphs = std::move(alignments_);
    return doc;
  }

 private:
  struct Open {
    std::string tag;
    Style style;
  };

  const Style& style() const { return styles_.back().style; }
  bool hidden() const { return hidden_depth_ > 0; }

  // Reads a tag, comment or declaration at pos_; false when '<' is plain text.
  bool read_markup() {
    const std::u16string_view rest(in_.data() + pos_, in_.size() - pos_);
    if (rest.substr(0, 4) == u"<!--") {
      const std::size_t end = in_.find(u"-->", pos_ + 4);
      pos_ = end == std::u16string::npos ? in_.size() : end + 3;
      return true;
    }
    if (rest.size() < 2) return false;
    const char16_t next = rest[1];
    const bool letter = (next >= u'a' && next <= u'z') || (next >= u'A' && next <= u'Z');
    if (!letter && next != u'/' && next != u'!' && next != u'?') return false;
    const std::size_t end = in_.find(u'>', pos_);
    if (end == std::u16string::npos) return false;
    std::u16string_view inside(in_.data() + pos_ + 1, end - pos_ - 1);
    pos_ = end + 1;
    if (next == u'!' || next == u'?') return true;
    const Tag tag = parse_tag(inside);
    if (hidden() && !(tag.closing && tag.name == hidden_tag_)) {
      if (!tag.closing && tag.name == "style") read_style_sheet();  // style sheets sit in <head>
      return true;
    }
    if (tag.closing) {
      close_tag(tag.name);
    } else {
      open_tag(tag);
    }
    return true;
  }

  static std::string ascii(std::u16string_view s) {
    std::string out;
    for (const char16_t c : s) append_utf8(out, c);
    return out;
  }

  Tag parse_tag(std::u16string_view inside) {
    Tag tag;
    std::size_t i = 0;
    if (!inside.empty() && inside[0] == u'/') tag.closing = true, ++i;
    const std::size_t name_start = i;
    while (i < inside.size() && !std::iswspace(inside[i]) && inside[i] != u'/') ++i;
    tag.name = lower(ascii(inside.substr(name_start, i - name_start)));
    if (!inside.empty() && inside.back() == u'/') tag.self_closing = true;
    while (i < inside.size()) {
      while (i < inside.size() && (std::iswspace(inside[i]) || inside[i] == u'/')) ++i;
      const std::size_t a = i;
      while (i < inside.size() && !std::iswspace(inside[i]) && inside[i] != u'=' && inside[i] != u'/') ++i;
      const std::string name = lower(ascii(inside.substr(a, i - a)));
      while (i < inside.size() && std::iswspace(inside[i])) ++i;
      std::u16string value;
      if (i < inside.size() && inside[i] == u'=') {
        ++i;
        while (i < inside.size() && std::iswspace(inside[i])) ++i;
        if (i < inside.size() && (inside[i] == u'"' || inside[i] == u'\'')) {
          const char16_t quote = inside[i++];
          const std::size_t v = i;
          while (i < inside.size() && inside[i] != quote) ++i;
          value = decode_entities(inside.substr(v, i - v));
          ++i;
        } else {
          const std::size_t v = i;
          while (i < inside.size() && !std::iswspace(inside[i])) ++i;
          value = decode_entities(inside.substr(v, i - v));
        }
      }
      if (!name.empty()) tag.attributes[name] = ascii(value);
    }
    return tag;
  }

  static std::optional<char16_t> entity(std::u16string_view name) {
    if (name.size() > 1 && name[0] == u'#') {
      const bool hex = name[1] == u'x' || name[1] == u'X';
      unsigned long cp = 0;
      const std::u16string_view digits = name.substr(hex ? 2 : 1);
      if (digits.empty() || digits.size() > 6) return std::nullopt;
      for (const char16_t d : digits) {
        int v;
        if (d >= u'0' && d <= u'9') v = d - u'0';
        else if (hex && d >= u'a' && d <= u'f') v = d - u'a' + 10;
        else if (hex && d >= u'A' && d <= u'F') v = d - u'A' + 10;
        else return std::nullopt;
        cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(v);
      }
      // As browsers read them: &#128; to &#159; name the code page 1252 characters.
      if (cp >= 0x80 && cp <= 0x9F) return cp1252_char(static_cast<std::uint8_t>(cp));
      if (cp > 0xFFFF) return u'\uFFFD';
      return static_cast<char16_t>(cp);
    }
    const std::string n = ascii(name);
    for (const NamedEntity& e : kEntities)
      if (n == e.name) return e.c;
    return std::nullopt;
  }

  static std::u16string decode_entities(std::u16string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i] == u'&') {
        const std::size_t semi = s.find(u';', i);
        if (semi != std::u16string_view::npos && semi - i <= 10) {
          if (const auto c = entity(s.substr(i + 1, semi - i - 1))) {
            out.push_back(*c);
            i = semi;
            continue;
          }
        }
      }
      out.push_back(s[i]);
    }
    return out;
  }

  Style style_for(const Tag& tag) {
    Style s = style();
    const std::string& t = tag.name;
    if (t == "b" || t == "strong" || (t.size() == 2 && t[0] == 'h' && t[1] >= '1' && t[1] <= '6')) s.format.bold = true;
    if (t == "i" || t == "em") s.format.italic = true;
    if (t == "u") s.format.underline = true;
    if (t == "s" || t == "strike" || t == "del") s.format.strikethru = true;
    if (t == "pre") s.keep_spaces = true;
    if (t == "center") s.alignment = Alignment::Center;
    if (const auto sheet = rules_.find(t); sheet != rules_.end()) apply_declarations(sheet->second, s);
    const auto attr = [&](const char* name) -> const std::string* {
      const auto it = tag.attributes.find(name);
      return it == tag.attributes.end() ? nullptr : &it->second;
    };
    if (t == "font") {
      if (const auto* face = attr("face")) s.format.font_name = font_name_of(first_family(*face));
      if (const auto* color = attr("color"); color && parse_color(*color)) s.format.fore_color = *parse_color(*color);
      if (const auto* size = attr("size")) {
        static constexpr int kPoints[] = {8, 10, 12, 14, 18, 24, 36};
        const int n = std::atoi(size->c_str());
        if (n >= 1 && n <= 7) s.format.font_size = kPoints[n - 1];
      }
    }
    if (const auto* align = attr("align")) apply_declarations({{"text-align", lower(*align)}}, s);
    if (const auto* classes = attr("class")) {
      std::size_t i = 0;
      while (i < classes->size()) {
        const std::size_t end = std::min(classes->find(' ', i), classes->size());
        const std::string name = classes->substr(i, end - i);
        if (const auto r = rules_.find("." + name); r != rules_.end()) apply_declarations(r->second, s);
        if (const auto r = rules_.find(t + "." + name); r != rules_.end()) apply_declarations(r->second, s);
        i = end + 1;
      }
    }
    if (const auto* inline_style = attr("style")) apply_declarations(parse_declarations(*inline_style), s);
    return s;
  }

  void open_tag(const Tag& tag) {
    const std::string& t = tag.name;
    if (t == "br") {
      flush_space();
      paragraph_break();
      return;
    }
    if (one_of(kHidden, t)) {
      if (t == "style") read_style_sheet();
      else if (!tag.self_closing) hidden_tag_ = t, hidden_depth_ = 1;
      return;
    }
    Style s = style_for(tag);
    if (one_of(kBlocks, t)) start_block(s);
    if (one_of(kContainers, t)) end_block();
    if (one_of(kVoid, t) || tag.self_closing) return;
    styles_.push_back({t, std::move(s)});
  }

  void close_tag(const std::string& name) {
    if (hidden() && name == hidden_tag_) {
      hidden_depth_ = 0;
      return;
    }
    // Close up to the matching element; a stray end tag closes nothing.
    auto it = std::find_if(styles_.rbegin(), styles_.rend() - 1, [&](const Open& o) { return o.tag == name; });
    if (it == styles_.rend() - 1) return;
    styles_.erase(std::next(it).base(), styles_.end());
    if (one_of(kBlocks, name) || one_of(kContainers, name)) end_block();
  }

  // The sheet of a <style> element: rules of class and element selectors.
  void read_style_sheet() {
    const std::size_t end = std::min(lowered_find(u"</style"), in_.size());
    const std::string sheet = ascii(std::u16string_view(in_.data() + pos_, end - pos_));
    const std::size_t close = in_.find(u'>', end);
    pos_ = close == std::u16string::npos ? in_.size() : close + 1;
    std::size_t i = 0;
    while (i < sheet.size()) {
      const std::size_t open = sheet.find('{', i);
      if (open == std::string::npos) break;
      const std::size_t shut = std::min(sheet.find('}', open), sheet.size());
      const Declarations d = parse_declarations(std::string_view(sheet).substr(open + 1, shut - open - 1));
      std::string selectors = sheet.substr(i, open - i);
      if (const auto comment = selectors.rfind("*/"); comment != std::string::npos) selectors.erase(0, comment + 2);
      std::size_t s = 0;
      while (s <= selectors.size()) {
        const std::size_t comma = std::min(selectors.find(',', s), selectors.size());
        const std::string selector = lower(trim(std::string_view(selectors).substr(s, comma - s)));
        if (!selector.empty()) {
          Declarations& target = rules_[selector];
          for (const auto& [k, v] : d) target[k] = v;
        }
        s = comma + 1;
      }
      i = shut + 1;
    }
  }

  std::size_t lowered_find(std::u16string_view what) const {
    for (std::size_t i = pos_; i + what.size() <= in_.size(); ++i) {
      bool same = true;
      for (std::size_t k = 0; k < what.size() && same; ++k) same = std::towlower(in_[i + k]) == what[k];
      if (same) return i;
    }
    return std::u16string::npos;
  }

  // A block begins a paragraph, unless the current one is still empty and
  // open (a <p> inside a <div>).
  void start_block(const Style& s) {
    flush_space();
    if (paragraph_has_text_ || block_closed_) paragraph_break();
    paragraph_open_ = true;
    at_line_start_ = true;
    paragraph_alignment_ = s.alignment.value_or(Alignment::Left);
  }

  void end_block() {
    pending_space_ = false;
    if (paragraph_open_ || paragraph_has_text_) block_closed_ = true;
  }

  // The break takes the format of the text before it, as typed text does.
  void paragraph_break() {
    if (runs_.empty()) {
      emit(kParagraphBreak);
    } else {
      runs_.back().text.push_back(kParagraphBreak);
    }
    alignments_.push_back(paragraph_alignment_);
    paragraph_alignment_ = style().alignment.value_or(Alignment::Left);
    block_closed_ = false;
    paragraph_has_text_ = false;
    paragraph_open_ = true;
    at_line_start_ = true;
  }

  void text_char(char16_t c) {
    if (hidden()) return;
    if (c == u'&') {
      const std::size_t semi = in_.find(u';', pos_);
      if (semi != std::u16string::npos && semi - pos_ <= 10) {
        if (const auto e = entity(std::u16string_view(in_.data() + pos_, semi - pos_))) {
          pos_ = semi + 1;
          put(*e, false);
          return;
        }
      }
    }
    put(c, true);
  }

  void put(char16_t c, bool from_source) {
    const bool space = from_source && (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f');
    if (style().keep_spaces) {
      if (from_source && c == u'\r') return;
      if (from_source && c == u'\n') {
        if (block_closed_ || !paragraph_open_) return;  // layout between block elements
        paragraph_break();
        return;
      }
      if (space && (block_closed_ || !paragraph_open_)) return;
      begin_text();
      emit(c);
      return;
    }
    if (space) {
      pending_space_ = !at_line_start_;
      return;
    }
    begin_text();
    flush_space();
    emit(c);
  }

  void begin_text() {
    if (block_closed_) paragraph_break();
    paragraph_open_ = true;
    paragraph_has_text_ = true;
    at_line_start_ = false;
  }

  void flush_space() {
    if (!pending_space_) return;
    pending_space_ = false;
    if (!at_line_start_ && !block_closed_) emit(u' ');
  }

  void emit(char16_t c) {
    const CharFormat& f = style().format;
    if (runs_.empty() || !(runs_.back().format == f)) runs_.push_back({u"", f});
    runs_.back().text.push_back(c);
  }

  std::u16string in_;
  std::size_t pos_ = 0;
  std::vector<Open> styles_;
  std::map<std::string, Declarations> rules_;
  std::string hidden_tag_;
  int hidden_depth_ = 0;
  bool paragraph_open_ = false;      // the current paragraph was begun
  bool paragraph_has_text_ = false;  // and holds text
  bool block_closed_ = false;        // its block ended: more text starts a new one
  bool at_line_start_ = true;
  bool pending_space_ = false;
  Alignment paragraph_alignment_ = Alignment::Left;
  std::vector<TextRun> runs_;
  std::vector<ParagraphFormat> alignments_;
};

std::u16string page_text(BytesView bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (auto utf8 = utf16_from_utf8(bytes)) return std::move(*utf8);
  std::u16string text(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = cp1252_char(byte_at(bytes, i));
  return text;
}

}  // namespace

Status read_html(BytesView bytes, const CharFormat& default_format, Document& out) {
  const std::u16string text = page_text(bytes);
  const std::size_t first = text.find_first_not_of(u" \t\r\n");
  if (first == std::u16string::npos || text[first] != u'<')
    return Status::Error("The file is not an HTML page: it does not begin with a tag.");
  out = HtmlReader(text, default_format).read();
  return Status::Ok();
}

}  // namespace quilm
