#include "formats/xml_scanner.h"

#include "formats/utf8.h"

namespace quilm {
namespace {

bool is_name_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == ':' || c == '.';
}
bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

class XmlScanner {
 public:
  explicit XmlScanner(std::string_view in) : in_(in) {}

  Status scan(std::vector<XmlEvent>& events) {
    std::vector<std::string> open;
    while (pos_ < in_.size()) {
      if (in_[pos_] != '<') {
        XmlEvent text(XmlEvent::Text);
        if (Status s = read_text(text.text); !s) return s;
        events.push_back(std::move(text));
        continue;
      }
      if (starts_with("<?")) {
        if (!skip_past("?>")) return fault("a declaration is not closed");
      } else if (starts_with("<!--")) {
        if (!skip_past("-->")) return fault("a comment is not closed");
      } else if (starts_with("</")) {
        pos_ += 2;
        const std::string name = read_name();
        skip_spaces();
        if (name.empty() || !take('>')) return fault("a closing tag is malformed");
        if (open.empty() || open.back() != name) return fault("</" + name + "> closes no open <" + name + ">");
        open.pop_back();
        events.emplace_back(XmlEvent::End, name);
      } else {
        ++pos_;
        XmlEvent start(XmlEvent::Start, read_name());
        if (start.name.empty()) return fault("a tag has no name");
        if (Status s = read_attributes(start); !s) return s;
        const std::string name = start.name;
        const bool closed = start.self_closing;
        events.push_back(std::move(start));
        if (closed) {
          events.emplace_back(XmlEvent::End, name);
        } else {
          open.push_back(name);
        }
      }
    }
    if (!open.empty()) return fault("<" + open.back() + "> is never closed (the file may be cut short)");
    return Status::Ok();
  }

 private:
  bool starts_with(std::string_view s) const { return in_.substr(pos_, s.size()) == s; }
  bool take(char c) {
    if (pos_ < in_.size() && in_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool skip_past(std::string_view end) {
    const std::size_t at = in_.find(end, pos_);
    if (at == std::string_view::npos) return false;
    pos_ = at + end.size();
    return true;
  }
  void skip_spaces() {
    while (pos_ < in_.size() && is_space(in_[pos_])) ++pos_;
  }
  std::string read_name() {
    const std::size_t start = pos_;
    while (pos_ < in_.size() && is_name_char(in_[pos_])) ++pos_;
    return std::string(in_.substr(start, pos_ - start));
  }
  Status fault(const std::string& what) const {
    return Status::Error("The XML document is damaged at byte " + std::to_string(pos_) + ": " + what + ".");
  }

  Status read_attributes(XmlEvent& e) {
    for (;;) {
      skip_spaces();
      if (take('>')) return Status::Ok();
      if (starts_with("/>")) {
        pos_ += 2;
        e.self_closing = true;
        return Status::Ok();
      }
      const std::string name = read_name();
      skip_spaces();
      if (name.empty() || !take('=')) return fault("an attribute of <" + e.name + "> is malformed");
      skip_spaces();
      if (pos_ >= in_.size() || (in_[pos_] != '"' && in_[pos_] != '\'')) return fault("an attribute lacks quotes");
      const char quote = in_[pos_++];
      const std::size_t end = in_.find(quote, pos_);
      if (end == std::string_view::npos) return fault("an attribute value is not closed");
      std::u16string value;
      if (Status s = decode(in_.substr(pos_, end - pos_), value); !s) return s;
      std::optional<std::string> utf8 = utf8_from_utf16(value);
      if (!utf8) return fault("an attribute of <" + e.name + "> holds a surrogate without its partner");
      e.attributes[name] = std::move(*utf8);
      pos_ = end + 1;
    }
  }

  Status read_text(std::u16string& text) {
    const std::size_t end = std::min(in_.find('<', pos_), in_.size());
    const Status s = decode(in_.substr(pos_, end - pos_), text);
    pos_ = end;
    return s;
  }

  // UTF-8 with entities into UTF-16.
  Status decode(std::string_view raw, std::u16string& out) {
    const std::size_t base = pos_;
    std::size_t i = 0;
    while (i < raw.size()) {
      const std::size_t amp = std::min(raw.find('&', i), raw.size());
      std::size_t bad = 0;
      const auto piece = utf16_from_utf8(raw.substr(i, amp - i), &bad);
      if (!piece) return Status::Error("The XML document is not UTF-8 at byte " + std::to_string(base + i + bad) + ".");
      out += *piece;
      if (amp == raw.size()) break;
      const std::size_t semi = raw.find(';', amp);
      if (semi == std::string_view::npos) return fault("an & starts no entity");
      const std::string_view entity = raw.substr(amp + 1, semi - amp - 1);
      if (entity == "amp") out += u'&';
      else if (entity == "lt") out += u'<';
      else if (entity == "gt") out += u'>';
      else if (entity == "quot") out += u'"';
      else if (entity == "apos") out += u'\'';
      else if (entity.size() > 1 && entity[0] == '#') {
        const bool hex = entity[1] == 'x' || entity[1] == 'X';
        const std::string digits(entity.substr(hex ? 2 : 1));
        if (digits.empty() || digits.size() > 6 ||
            digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
          return fault("&" + std::string(entity) + "; is no character");
        const unsigned long cp = std::stoul(digits, nullptr, hex ? 16 : 10);
        if (cp > 0x10FFFF) return fault("&" + std::string(entity) + "; is no character");
        append_utf16(out, static_cast<char32_t>(cp));
      } else {
        return fault("&" + std::string(entity) + "; is not a known entity");
      }
      i = semi + 1;
    }
    return Status::Ok();
  }

  std::string_view in_;
  std::size_t pos_ = 0;
};

}  // namespace

Status scan_xml(std::string_view bytes, std::vector<XmlEvent>& events) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return XmlScanner(bytes).scan(events);
}

void append_xml_escaped(std::string& out, std::string_view utf8) {
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
}

bool parse_xml_int(const std::string& text, int& out) {
  if (text.empty() || text.size() > 10) return false;
  std::size_t used = 0;
  try {
    out = std::stoi(text, &used);
  } catch (...) {
    return false;
  }
  return used == text.size();
}

}  // namespace quilm
