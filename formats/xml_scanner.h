// A small XML scanner for the program's own XML documents (formats 3 and 10):
// elements with attributes, text with the five named entities and numeric
// character references, comments, the XML declaration. No DTDs, namespaces
// or CDATA: the program never writes them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"

namespace quilm {

struct XmlEvent {
  enum Kind { Start, End, Text };
  XmlEvent(Kind k, std::string n = {}) : kind(k), name(std::move(n)) {}

  Kind kind;
  std::string name;                          // Start and End
  std::map<std::string, std::string> attributes;  // Start; values as UTF-8
  std::u16string text;                       // Text
  bool self_closing = false;                 // Start of <x/>; an End follows
};

// The events of the whole document; elements must nest. A fault gives a
// message with the byte offset where it was found.
Status scan_xml(std::string_view bytes, std::vector<XmlEvent>& events);

// Text for XML: & < > " escaped; characters XML cannot hold are the
// caller's to handle.
void append_xml_escaped(std::string& out, std::string_view utf8);

// A whole number written in an attribute or element ("-12"), nothing else.
bool parse_xml_int(const std::string& text, int& out);

}  // namespace quilm
